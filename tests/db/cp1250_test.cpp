#include "db/cp1250.h"
#include "support/printers.h"

#include <gtest/gtest.h>

TEST(Cp1250, czechTextRoundTripsAndMissingCharactersBecomeQuestionMarks)
{
    const QString czech = QStringLiteral("Příliš žluťoučký kůň úpěl ďábelské ódy – „Ř“ €");
    const QByteArray bytes = cp1250::encode(czech);
    EXPECT_EQ(bytes.size(), czech.size());
    EXPECT_EQ(cp1250::decode(bytes), czech);
    EXPECT_EQ(bytes.at(1), char(0xF8)); // ř

    EXPECT_EQ(cp1250::encode(QStringLiteral("a€b✓c漢")), QByteArray("a\x80"
                                                                    "b?c?"));
}
