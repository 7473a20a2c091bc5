#include "platform/LogFont.h"
#include "platform/Windows1252.h"

#include <gtest/gtest.h>

namespace quenby {

TEST(Windows1252, ConvertsBothWaysIncludingTheHighControlRange) {
    const QString text = QStringLiteral("¡Feliz año! € – “ñ” ½");
    const QByteArray bytes = ToWindows1252(text);
    EXPECT_EQ(bytes.size(), text.size());
    EXPECT_EQ(static_cast<unsigned char>(bytes[bytes.indexOf('!') + 2]), 0x80);  // euro sign
    EXPECT_EQ(FromWindows1252(bytes.constData(), std::size_t(bytes.size())), text);
    EXPECT_EQ(ToWindows1252(QStringLiteral("日本")), QByteArray("??"));
    // Conversion stops at the end of the text.
    EXPECT_EQ(FromWindows1252("ab\0cd", 5), QStringLiteral("ab"));
}

TEST(Windows1252, TellsWhichCharactersHaveAByte) {
    for (QChar c : QStringLiteral("aZ09 ~¡¿ÁÉÍÓÚÑÜáñü€“”…œŸ\t")) {
        EXPECT_TRUE(HasWindows1252Byte(c)) << int(c.unicode());
    }
    // Polish ł, an emoji's halves, Chinese, the unassigned bytes' stand-ins.
    for (char16_t c : {u'\u0142', u'\xD83D', u'\xDE00', u'\u4E2D', u'\x81', u'\x9D', u'\u2028'}) {
        EXPECT_FALSE(HasWindows1252Byte(QChar(c))) << int(c);
    }
}

TEST(LogFont, PacksSixtyBytesAndCutsAFaceWithoutItsEnd) {
    LogFont f;
    f.height = -136;
    f.weight = 700;
    f.italic = 1;
    f.pitchAndFamily = 0x22;
    f.SetFace(QStringLiteral("Blotwell"));
    std::uint8_t bytes[LogFont::kSize];
    f.Pack(bytes);
    EXPECT_EQ(bytes[0], 0x78);  // -136 little-endian
    EXPECT_EQ(bytes[3], 0xFF);
    EXPECT_EQ(bytes[16], 0xBC);  // weight 700
    EXPECT_EQ(bytes[20], 1);     // italic
    EXPECT_EQ(bytes[27], 0x22);
    EXPECT_EQ(bytes[28], 'B');
    EXPECT_EQ(LogFont::Unpack(bytes), f);

    std::fill(bytes + 28, bytes + 60, 'x');
    const LogFont cut = LogFont::Unpack(bytes);
    EXPECT_EQ(cut.Face(), QString(31, u'x'));
}

}  // namespace quenby
