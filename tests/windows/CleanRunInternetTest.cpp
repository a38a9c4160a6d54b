// A whole clean run of the three browser items, for each browser family, on sandbox folders.
#include <gtest/gtest.h>

#include "FakeUi.h"
#include "RegistryTestKey.h"
#include "RegistryValueOverride.h"
#include "Sandbox.h"
#include "UrlCacheTesting.h"
#include "app/frmProgress.h"
#include "clean/RunClean.h"
#include "settings/ProgramState.h"
#include "settings/cRegistry.h"
#include "settings/cSettings.h"

namespace {

constexpr const char* kTypedUrls = "Software\\Microsoft\\Internet Explorer\\TypedURLs";
constexpr const char* kBlocks =
    "Cleaning Internet History\r\nCompleted\r\n"
    "Cleaning Temporary Internet Files\r\nCompleted\r\n"
    "Cleaning Internet URL History\r\nCompleted\r\n"
    "END OF CLEANING REPORT: ";

std::string RunBrowserItems(const std::string& browser) {
    FakeUi ui;
    cSettings settings;
    settings.SetDefaultBrowser(browser);
    settings.SetDefaultNSProfile("default");
    for (auto set : {&cSettings::SetInternetHistory, &cSettings::SetTempInternet,
                     &cSettings::SetInternetURLHistory}) {
        (settings.*set)(kTrue);
    }
    cRegistry registry;
    frmProgress progress;
    return RunClean(registry, settings, kFalse, progress);
}

}  // namespace

TEST(CleanRunInternetTest, InternetExplorerLosesHistoryTypedUrlsAndCache) {
    SandboxFolder cache("run-iecache");
    CacheRedirect redirect(cache.Path());
    MakeFolder(cache / "Content.IE5");
    MakeFolder(cache / "Content.IE5\\Q1W2E3R4");
    WriteBytes(cache / "Content.IE5\\index.dat", "i");
    WriteBytes(cache / "Content.IE5\\Q1W2E3R4\\page[1].htm", "p");
    WriteRaw(kTypedUrls, "url1", REG_SZ, SzBytes("http://typed.test/"));
    UrlCache urls;
    const std::string visit = UrlCache::VisitName("http://brisvane.test/run");
    ASSERT_TRUE(urls.AddVisit("http://brisvane.test/run"));

    const std::string report = RunBrowserItems("IE");
    EXPECT_NE(report.find(std::string("\r\n") + kBlocks), std::string::npos) << report;
    EXPECT_FALSE(urls.Has(visit));
    EXPECT_FALSE(ReadRaw(kTypedUrls, "url1").exists);
    EXPECT_TRUE(RawKeyExists(HKEY_CURRENT_USER, kTypedUrls));
    EXPECT_FALSE(Exists(cache / "Content.IE5\\Q1W2E3R4"));
    EXPECT_TRUE(Exists(cache / "Content.IE5\\index.dat"));
    RegDeleteTreeA(HKEY_CURRENT_USER, kTypedUrls);
}

TEST(CleanRunInternetTest, NetscapeProfileLosesHistoryTypedUrlsAndCache) {
    SandboxFolder profile("run-nsprofile");
    MakeFolder(profile / "cache");
    WriteBytes(profile / "cache\\A1B2C3", "c");
    WriteBytes(profile / "history.dat", "h");
    WriteBytes(profile / "localstore.rdf",
               "<RDF:Seq>\n<RDF:li>http://typed/</RDF:li>\n</RDF:Seq>\n");
    Program().nsProfiles = {{"other", "Z:\\nowhere"}, {"default", profile.Path()}};

    const std::string report = RunBrowserItems("NS");
    Program().nsProfiles.clear();
    EXPECT_NE(report.find(std::string("\r\n") + kBlocks), std::string::npos) << report;
    EXPECT_FALSE(Exists(profile / "history.dat"));
    EXPECT_FALSE(Exists(profile / "cache\\A1B2C3"));
    EXPECT_EQ(ReadBytes(profile / "localstore.rdf"), "<RDF:Seq>\r\n</RDF:Seq>\r\n");
}
