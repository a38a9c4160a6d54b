// Policies on Wine's real registry: which value is in force, that the user's stored settings
// never change, the locked boxes and the managed panel of the real main window, and the sites
// a policy keeps when the other browsers' cookies are cleaned.
#include <algorithm>

#include "DatabaseRows.h"
#include "MainWindowTesting.h"
#include "PolicySandbox.h"
#include "Sandbox.h"
#include "chromium/CookieDatabase.h"
#include "clean/CleanOtherBrowsers.h"
#include "settings/BrowserSettings.h"
#include "settings/Policies.h"
#include "settings/SettingsStore.h"

namespace {

// A value as stored: its type and up to eight bytes of data.
struct Raw {
    DWORD type;
    std::uint8_t size;
    std::uint8_t data[8];
    std::vector<std::uint8_t> Bytes() const { return {data, data + size}; }
};

constexpr Raw kOn{REG_DWORD, 4, {1}};
constexpr Raw kOff{REG_DWORD, 4, {0}};
constexpr Raw kNone{REG_NONE, 0, {}};

// One policy set in either place, or not, over the user's stored setting.
struct PolicyCase {
    const char* policy;
    Raw machine;
    Raw user;
    const char* stored;  // the user's setting
    bool inForce;        // the effective value
};

const PolicyCase kCases[] = {
    {"TempFiles", kOn, kOff, "False", true},                        // the machine's wins
    {"Run", kOff, kNone, "True", false},                            // over the user's setting
    {"RecycleBin", kNone, kOn, "False", true},                      // the user's policy alone
    {"DocumentHistory", {REG_DWORD, 4, {2}}, kOff, "True", false},  // 2 is no state
    {"FindSearch", {REG_SZ, 2, {'1'}}, kNone, "False", false},      // text is not a DWORD
    {"Report", {REG_QWORD, 8, {1}}, kNone, "True", true},
    {"DisplayProgress", {REG_BINARY, 1, {1}}, kOff, "True", false},
    {"InternetCookies", kNone, kNone, "True", true},  // no policy: the setting
    {"BrowserCookies", kOn, kNone, "False", true},
    {"BrowserSessions", {REG_DWORD_BIG_ENDIAN, 4, {0, 0, 0, 1}}, kNone, "False", false},
    {"BrowserCache", kOff, kOn, "True", false},
};

class Policies : public MainWindowTest {
  protected:
    void TearDown() override {
        RegDeleteTreeA(HKEY_CURRENT_USER, regpath::kBrowsers);
        RegDeleteTreeA(HKEY_CURRENT_USER, regpath::kSites);
        MainWindowTest::TearDown();
    }
    // Stores the user's settings and the policies of the table.
    void Arrange() {
        StoreAllFlags("False");
        for (const PolicyCase& c : kCases) {
            const PolicyInfo* info = Info(c.policy);
            const std::string path =
                info->target == PolicyTarget::Option ? kSettingsPath : regpath::kBrowsers;
            WriteRaw(path, info->governs, REG_SZ, SzBytes(c.stored));
            if (c.machine.type != REG_NONE)
                policies.SetRaw(HKEY_LOCAL_MACHINE, regpath::kPolicies, c.policy, c.machine.type,
                                c.machine.Bytes());
            if (c.user.type != REG_NONE)
                policies.SetRaw(HKEY_CURRENT_USER, regpath::kPolicies, c.policy, c.user.type,
                                c.user.Bytes());
        }
    }
    static const PolicyInfo* Info(std::string_view name) {
        return &*std::find_if(std::begin(kPolicies), std::end(kPolicies),
                              [&](const PolicyInfo& p) { return name == p.name; });
    }
    void ExpectStoredAsArranged() {
        for (const PolicyCase& c : kCases) {
            const PolicyInfo* info = Info(c.policy);
            const std::string path =
                info->target == PolicyTarget::Option ? kSettingsPath : regpath::kBrowsers;
            EXPECT_EQ(ReadRawText(path, info->governs), c.stored) << c.policy;
        }
    }

    PolicySandbox policies;
};

}  // namespace

TEST_F(Policies, MachineOverUserOverSettingAndOtherTypesOrNumbersIgnored) {
    Arrange();
    cRegistry registry;
    cSettings user;
    LoadSettings(user, registry);
    const PolicySet inForce = ReadPolicies(registry.Api());
    const cSettings effective = EffectiveSettings(user, inForce);
    const BrowserParts parts = EffectiveParts(LoadBrowserParts(registry), inForce);
    for (const PolicyCase& c : kCases) {
        const PolicyInfo* info = Info(c.policy);
        bool on;
        if (info->target == PolicyTarget::Option) {
            on = (effective.*OptionNamed(info->governs).get)() != kFalse;
            EXPECT_EQ((user.*OptionNamed(info->governs).get)() != kFalse,
                      std::string(c.stored) == "True")
                << c.policy << ": the loaded setting stays the user's";
        } else {
            const std::string_view part = info->governs;
            on = part == "Cookies" ? parts.cookies : part == "Cache" ? parts.cache : parts.sessions;
        }
        EXPECT_EQ(on, c.inForce) << c.policy;
    }
    ExpectStoredAsArranged();
}

// The boxes a policy sets show its state and are locked; the others keep the user's; the
// status bar says the machine is managed; closing stores no policy's value.
TEST_F(Policies, TheRealWindowLocksTheBoxesAndShowsTheManagedPanel) {
    Arrange();
    window.Start();
    ASSERT_TRUE(window.IsLoaded());
    struct Box {
        int id;
        bool checked, enabled;
    } boxes[] = {{IDC_CHKTEMP, true, false},
                 {IDC_CHKRUN, false, false},
                 {IDC_CHKRECYCLEBIN, true, false},
                 {IDC_CHKDOCUMENTHISTORY, false, false},
                 {IDC_CHKFINDSEARCH, false, true},
                 {IDC_CHKREPORT, true, true},
                 {IDC_CHKDISPLAYPROGRESS, false, false},
                 {IDC_CHKPASSWORD, false, true}};
    for (const Box& box : boxes) {
        EXPECT_EQ(Checked(box.id), box.checked) << box.id;
        EXPECT_EQ(IsWindowEnabled(Control(box.id)) != FALSE, box.enabled) << box.id;
    }
    HWND bar = Control(IDC_STBMAIN);
    ASSERT_EQ(SendMessageA(bar, SB_GETPARTS, 0, 0), 2);
    char text[64] = {};
    SendMessageA(bar, SB_GETTEXTA, 1, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, "Managed by your organization");
    EXPECT_EQ(StatusText(), "Choose General Cleaning Items");

    ClickTab(4);
    EXPECT_TRUE(Checked(IDC_CHKBROWSERCOOKIES));
    EXPECT_FALSE(IsWindowEnabled(Control(IDC_CHKBROWSERCOOKIES)));
    EXPECT_FALSE(Checked(IDC_CHKBROWSERCACHE));
    EXPECT_TRUE(IsWindowEnabled(Control(IDC_CHKBROWSERHISTORY)));
    // A programmatic tick of a locked box stores nothing either.
    window.SetOptionBox(IDC_CHKTEMP, BST_UNCHECKED);
    ASSERT_TRUE(window.RequestClose());
    ExpectStoredAsArranged();

    // Without policies the same settings show as stored, with one status panel.
    PolicySandbox::Clear();
    frmMain unmanaged;
    unmanaged.Start();
    EXPECT_FALSE(IsChecked(unmanaged.Handle(), IDC_CHKTEMP));
    EXPECT_TRUE(IsChecked(unmanaged.Handle(), IDC_CHKRUN));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(unmanaged.Handle(), IDC_CHKTEMP)));
    EXPECT_EQ(SendDlgItemMessageA(unmanaged.Handle(), IDC_STBMAIN, SB_GETPARTS, 0, 0), 1);
    unmanaged.RequestClose();
}

// The machine's list replaces the user's and the user's list policy; with every profile
// cleaned by policy, the profile the user did not tick is cleaned too.
TEST_F(Policies, SitesToKeepDecideWhichCookiesStay) {
    SandboxFolder local{"policy-local-appdata"};
    ShellFolderRedirect localRedirect{"Local AppData", local.Path()};
    const std::string data = local / "Google\\Chrome\\User Data";
    BuildTree(data, ReadTree(WindowsPath(BRISVANE_FIXTURES "/chromium/User Data")));
    cRegistry registry;
    SaveBrowserPart(registry, "Cookies", false);
    for (const char* part : {"History", "Cache", "Sessions"})
        SaveBrowserPart(registry, part, false);
    SaveProfileTick(registry, "Chrome", "Default", true);
    SaveSites(registry, {"other.org"});
    policies.Set(HKEY_LOCAL_MACHINE, "BrowserCookies", 1);
    policies.Set(HKEY_LOCAL_MACHINE, "AllBrowserProfiles", 1);
    policies.SetSites(HKEY_LOCAL_MACHINE, {"example.com"});
    policies.SetSites(HKEY_CURRENT_USER, {"other.org", "evil.net"});

    std::string report;
    CleanOtherBrowsers(LoadOtherBrowsersRun(registry, ReadPolicies(registry.Api())), report);
    EXPECT_EQ(report,
              "Cleaning Google Chrome (Your Chromium)\r\nCompleted\r\n"
              "Cleaning Google Chrome (Person 1)\r\nCompleted\r\n");
    const std::pair<const char*, std::vector<std::string>> kept[] = {
        {"Default", {"example.com", "mail.example.com"}},
        {"Profile 1", {"example.com"}},
    };
    for (const auto& [profile, hosts] : kept) {
        std::vector<std::string> left = chromium::CookieHosts(data + "\\" + profile + "\\Cookies");
        std::sort(left.begin(), left.end());
        EXPECT_EQ(left, hosts) << profile;
    }
    EXPECT_EQ(LoadSites(registry), std::vector<std::string>{"other.org"});
    EXPECT_EQ(LoadTickedProfiles(registry), std::set<std::string>{"Chrome|Default"});
    EXPECT_FALSE(LoadBrowserParts(registry).cookies);
}
