#pragma once

#include <QString>
#include <array>

class QWidget;

namespace ui {

// The main window's one message box. Its settings persist between uses: a use that leaves a
// setting alone shows what the previous use left there.
class DotazBox {
public:
    enum class Icon { None, Warning, Stop, Information, Help };
    static constexpr int Confirm = 1;
    static constexpr int Cancel = 2;

    QString caption = QStringLiteral("Vážní listy KOR");
    QString text;
    Icon icon = Icon::None;
    int buttonCount = 1;
    std::array<QString, 3> buttonCaptions = {QStringLiteral("OK"), QStringLiteral("Cancel"),
                                             QStringLiteral("Cancel")};
    std::array<int, 3> buttonResults = {Confirm, Cancel, Cancel};

    // Shows the box modally, centred on the screen, and returns the pressed button's result.
    int show(QWidget *parent = nullptr) const;

    // The common case: a text with the given icon and one button "OK".
    int inform(const QString &message, Icon messageIcon, QWidget *parent = nullptr);
};

} // namespace ui
