// File-type registration through cRegistry, written under HKEY_CLASSES_ROOT and
// HKEY_LOCAL_MACHINE\SOFTWARE\Classes of the test prefix and removed afterwards.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/AppError.h"
#include "settings/RegistryData.h"
#include "settings/cRegistry.h"

namespace {

const std::string kClass = "BrisvaneTest.File";
const std::string kExtension = "bvtest";

void RemoveClass() {
    for (HKEY root : {HKEY_CLASSES_ROOT, HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
        std::string prefix = root == HKEY_CLASSES_ROOT ? "" : "SOFTWARE\\Classes\\";
        RegDeleteTreeA(root, (prefix + kClass).c_str());
        RegDeleteTreeA(root, (prefix + "." + kExtension).c_str());
    }
}

// The unnamed value of a key as text, or "<missing>".
std::string Unnamed(HKEY root, const std::string& path) {
    char data[512] = {};
    DWORD size = sizeof data;
    if (RegGetValueA(root, path.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, data, &size) != 0) {
        return "<missing>";
    }
    return data;
}

struct cRegistryAssociation : testing::Test {
    void SetUp() override { RemoveClass(); }
    void TearDown() override { RemoveClass(); }
    cRegistry registry;
};

}  // namespace

TEST_F(cRegistryAssociation, RegistersTheClassUnderBothRoots) {
    registry.CreateEXEAssociation("  C:\\Tools\\brisvane test.exe ", kClass, "Brisvane test file",
                                  kExtension, "", kTrue, "", kFalse, "", kTrue, "", 2);
    const std::string exe = "\"C:\\Tools\\brisvane test.exe\"";
    const std::pair<std::string, std::string> expected[] = {
        {"." + kExtension, kClass},
        {kClass, "Brisvane test file"},
        {kClass + "\\shell\\open", "&Open"},
        {kClass + "\\shell\\open\\command", exe + " \"%1\""},
        {kClass + "\\shell\\print", "&Print"},
        {kClass + "\\shell\\print\\command", exe + " /p \"%1\""},
        {kClass + "\\shell\\add", "&Install " + kExtension},
        {kClass + "\\shell\\add\\command", exe + " /a \"%1\""},
        {kClass + "\\shell\\new", "<missing>"},
        {kClass + "\\DefaultIcon", exe + ",2"},
    };
    for (const auto& [path, text] : expected) {
        EXPECT_EQ(Unnamed(HKEY_CLASSES_ROOT, path), text) << path;
        EXPECT_EQ(Unnamed(HKEY_LOCAL_MACHINE, "SOFTWARE\\Classes\\" + path), text) << path;
    }
    // The last write leaves the object addressing the machine's copy.
    EXPECT_EQ(registry.ClassKey(), hkey::kLocalMachine);

    registry.SetClassKey(hkey::kClassesRoot);
    registry.CreateAdditionalEXEAssociations(kClass, {"edit", "&Edit", "notepad \"%1\""});
    EXPECT_EQ(Unnamed(HKEY_CLASSES_ROOT, kClass + "\\shell\\edit"), "&Edit");
    EXPECT_EQ(
        Unnamed(HKEY_LOCAL_MACHINE, "SOFTWARE\\Classes\\" + kClass + "\\shell\\edit\\command"),
        "notepad \"%1\"");
}

TEST_F(cRegistryAssociation, AdditionalVerbsNeedWholeTriplesAndAnExistingClass) {
    registry.SetClassKey(hkey::kClassesRoot);
    try {
        registry.CreateAdditionalEXEAssociations(kClass, {"edit", "&Edit"});
        FAIL() << "nothing was raised";
    } catch (const AppError& e) {
        EXPECT_EQ(e.Number(), regerr::kBadParameterList);
        EXPECT_EQ(e.Description(),
                  "Invalid parameter list passed to CreateAdditionalEXEAssociations - expected "
                  "Name/Text/Command");
    }
    try {
        registry.CreateAdditionalEXEAssociations(kClass, {"edit", "&Edit", "x"});
        FAIL() << "nothing was raised";
    } catch (const AppError& e) {
        EXPECT_EQ(e.Number(), regerr::kClassNotDefined);
        EXPECT_EQ(e.Description(),
                  "Error - attempt to create additional associations before class defined.");
    }
    EXPECT_EQ(Unnamed(HKEY_CLASSES_ROOT, kClass + "\\shell\\edit"), "<missing>");
}
