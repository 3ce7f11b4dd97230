#include "cp1250.h"

#include <QHash>
#include <QStringDecoder>
#include <array>

namespace {

// Built once from the platform's codec, so decoding a cell is a table look-up per byte.
struct Tables {
    std::array<char16_t, 256> toUnicode{};
    QHash<char16_t, char> fromUnicode;

    Tables()
    {
        QStringDecoder decoder("windows-1250");
        for (int byte = 0; byte < 256; ++byte) {
            const char c = static_cast<char>(byte);
            const QString decoded = decoder.decode(QByteArrayView(&c, 1));
            const char16_t unit = decoded.size() == 1 ? decoded.at(0).unicode() : u'?';
            toUnicode[byte] = unit;
            if (byte >= 0x80 && unit != QChar::ReplacementCharacter)
                fromUnicode.insert(unit, c);
        }
    }
};

const Tables &tables()
{
    static const Tables instance;
    return instance;
}

} // namespace

namespace cp1250 {

QString decode(const char *data, qsizetype size)
{
    const auto &table = tables().toUnicode;
    QString text(size, Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    for (qsizetype i = 0; i < size; ++i)
        out[i] = table[static_cast<unsigned char>(data[i])];
    return text;
}

QByteArray encode(const QString &text)
{
    const auto &table = tables().fromUnicode;
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar ch : text) {
        const char16_t unit = ch.unicode();
        if (unit < 0x80) {
            bytes.append(static_cast<char>(unit));
            continue;
        }
        const auto found = table.constFind(unit);
        bytes.append(found != table.constEnd() ? *found : '?');
    }
    return bytes;
}

} // namespace cp1250
