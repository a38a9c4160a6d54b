// The stored form of a hashed password: what is read as well formed, and the comparison.
#include <gtest/gtest.h>

#include "settings/PasswordHash.h"

TEST(PasswordHash, OnlyTheFourFieldFormOfTheKnownSchemeIsRead) {
    struct Case {
        const char* stored;
        bool wellFormed;
    };
    const Case cases[] = {
        {"pbkdf2-sha256$600000$c2FsdA==$aGFzaA==", true},
        {"pbkdf2-sha256$1$YQ==$Yg==", true},
        {"pbkdf2-sha256$10000000$YQ==$Yg==", true},
        {"pbkdf2-sha256$10000001$YQ==$Yg==", false},
        {"pbkdf2-sha256$99999999999$YQ==$Yg==", false},
        {"pbkdf2-sha256$0$YQ==$Yg==", false},
        {"pbkdf2-sha256$0600000$YQ==$Yg==", false},
        {"pbkdf2-sha256$-1$YQ==$Yg==", false},
        {"pbkdf2-sha256$$YQ==$Yg==", false},
        {"pbkdf2-sha256$600000$$Yg==", false},
        {"pbkdf2-sha256$600000$YQ==$", false},
        {"pbkdf2-sha256$600000$Y Q==$Yg==", false},
        {"pbkdf2-sha256$600000$YQ==$Yg==$", false},
        {"pbkdf2-sha512$600000$YQ==$Yg==", false},
        {"PBKDF2-SHA256$600000$YQ==$Yg==", false},
        {"pbkdf2-sha256", false},
    };
    for (const Case& c : cases) {
        std::optional<StoredHash> parts = ParseStoredHash(c.stored);
        EXPECT_EQ(parts.has_value(), c.wellFormed) << c.stored;
        if (parts) {
            EXPECT_EQ(FormatStoredHash(*parts), c.stored);
        }
    }
}

TEST(PasswordHash, TextsThatNameAScheme) {
    EXPECT_TRUE(NamesHashScheme("pbkdf2-sha256$1$YQ==$Yg=="));
    EXPECT_TRUE(NamesHashScheme("pbkdf2-anything"));
    EXPECT_FALSE(NamesHashScheme("pbkdf2"));
    EXPECT_FALSE(NamesHashScheme("Secret$1$2$3"));
    EXPECT_FALSE(NamesHashScheme(""));
}

TEST(PasswordHash, EqualInConstantTimeComparesEveryByte) {
    EXPECT_TRUE(EqualInConstantTime("", ""));
    EXPECT_TRUE(EqualInConstantTime(std::string("a\0b", 3), std::string("a\0b", 3)));
    EXPECT_FALSE(EqualInConstantTime(std::string("a\0b", 3), std::string("a\0c", 3)));
    EXPECT_FALSE(EqualInConstantTime("abc", "abd"));
    EXPECT_FALSE(EqualInConstantTime("xbc", "abc"));
    EXPECT_FALSE(EqualInConstantTime("abc", "abcd"));
}
