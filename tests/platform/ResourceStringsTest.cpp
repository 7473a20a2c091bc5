#include "platform/ResourceStrings.h"

#include <gtest/gtest.h>

namespace quenby {

TEST(ResourceStrings, TextsStandExactlyAsTheProgramShowsThem) {
    EXPECT_EQ(ResourceString(7999), QStringLiteral("Wexmoor Arts Craftbox"));
    EXPECT_EQ(ResourceString(8006), QStringLiteral("No hay espacio para añadir un elemento"));
    EXPECT_EQ(ResourceString(8045),
              QStringLiteral("No se puede abrir el fichero "));  // trailing blank
    EXPECT_EQ(ResourceString(8047), QStringLiteral("Fichero no válido"));
    EXPECT_EQ(ResourceString(8000), QStringLiteral("Documentos Wexmoor Arts (*.WXD)|*.wxd|"));
    EXPECT_EQ(ResourceString(8056), QStringLiteral("½ Pliegue horizontal"));
    EXPECT_TRUE(ResourceString(7205).contains(u'\n'));
}

TEST(ResourceStrings, UnknownNumbersAreEmptyAndKnownEmptyStringsExist) {
    EXPECT_TRUE(ResourceString(1).isNull());
    EXPECT_FALSE(HasResourceString(1));
    EXPECT_TRUE(HasResourceString(7209));
    EXPECT_TRUE(ResourceString(7209).isEmpty());
    // The lookup is a binary search: every entry must be found by its number.
    for (int id : {1400, 1600, 1603, 8024, 8027, 8101, 8107, 13425, 13436, 13440}) {
        EXPECT_TRUE(HasResourceString(id)) << id;
    }
}

}  // namespace quenby
