// Whole clean runs of every item, and whole starts and closes of the main window, for each browser
// family, in which the registry call numbered n fails (n = 1, 2, ... until a run makes fewer
// calls): the run never throws, deletes nothing beside its sandbox targets, and no block that says
// only "Completed" left its target as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "CookieSandbox.h"
#include "FailingRegistryApi.h"
#include "FakeUi.h"
#include "MainWindowTesting.h"
#include "Sandbox.h"
#include "app/frmMain.h"
#include "app/frmProgress.h"
#include "clean/RunClean.h"
#include "files/FileSystem.h"
#include "settings/cRegistry.h"

namespace {

constexpr int kMostCalls = 3000;  // a run making more calls than this is a fault of its own

bool HasFiles(const std::string& folder) { return !GetFolder(folder).Files().empty(); }

// The targets of every item in one sandbox, with a sentinel file and folder beside them.
class FaultTargets {
  public:
    FaultTargets() {
        for (const char* folder : {"temp", "recent", "cache", "cookies", "profile"}) {
            MakeFolder(root_ / folder);
        }
        WriteBytes(root_ / "sentinel.txt", "s");
        MakeFolder(root_ / "beside");
        WriteBytes(root_ / "beside\\sentinel.txt", "s");
    }
    std::string operator/(const std::string& relative) const { return root_ / relative; }

    // Puts back what a run removes.
    void Fill() const {
        for (const char* folder :
             {"temp\\sub", "cache\\Content.IE5", "cache\\Content.IE5\\ZZ9", "profile\\cache"}) {
            if (!Exists(root_ / folder)) MakeFolder(root_ / folder);
        }
        // WinINet keeps the index.dat files open once it has started: they stay as they are.
        for (const char* file :
             {"temp\\a.tmp", "temp\\sub\\b.tmp", "recent\\doc.lnk", "cache\\loose.htm",
              "cache\\Content.IE5\\index.dat", "cache\\Content.IE5\\ZZ9\\x.gif",
              "cookies\\index.dat", "cookies\\user@a[1].txt", "profile\\history.dat",
              "profile\\cache\\_CACHE_001_"}) {
            if (!Exists(root_ / file)) WriteBytes(root_ / file, "x");
        }
        WriteBytes(root_ / "profile\\cookies.txt", "# c\na.com\tTRUE\t/\tFALSE\t0\tn\tv\n");
        WriteBytes(root_ / "profile\\localstore.rdf", "<RDF:Seq>\n<RDF:li>http://a/\n</RDF:Seq>\n");
    }
    bool SentinelsSurvive() const {
        return ReadBytes(root_ / "sentinel.txt") == "s" &&
               ReadBytes(root_ / "beside\\sentinel.txt") == "s";
    }

  private:
    SandboxFolder root_{"faults"};
};

// For each block title, whether its target (in the sandbox) shows the cleaning done.
using TargetCheck = std::function<bool(const FaultTargets&)>;
struct BlockTarget {
    const char* browser;  // "" for both
    const char* title;
    TargetCheck cleaned;
};

const BlockTarget kBlockTargets[] = {
    {"", "Cleaning Temp Files",
     [](const FaultTargets& t) {
         return !HasFiles(t / "temp") && GetFolder(t / "temp").SubFolders().empty();
     }},
    {"", "Cleaning Document History",
     [](const FaultTargets& t) { return !HasFiles(t / "recent"); }},
    {"IE", "Cleaning Temporary Internet Files",
     [](const FaultTargets& t) {
         return !Exists(t / "cache\\loose.htm") && !Exists(t / "cache\\Content.IE5\\ZZ9");
     }},
    {"NS", "Cleaning Temporary Internet Files",
     [](const FaultTargets& t) { return !HasFiles(t / "profile\\cache"); }},
    {"IE", "Cleaning Internet Cookies",
     [](const FaultTargets& t) { return !Exists(t / "cookies\\user@a[1].txt"); }},
    {"NS", "Cleaning Internet Cookies",
     [](const FaultTargets& t) { return ReadBytes(t / "profile\\cookies.txt") == "# c\n"; }},
    {"NS", "Cleaning Internet History",
     [](const FaultTargets& t) { return !Exists(t / "profile\\history.dat"); }},
    {"NS", "Cleaning Internet URL History",
     [](const FaultTargets& t) {
         return ReadBytes(t / "profile\\localstore.rdf").find("<RDF:li>") == std::string::npos;
     }},
};

// The blocks of a report, each from its "Cleaning " line to the next.
std::vector<std::string> Blocks(const std::string& report) {
    std::vector<std::string> blocks;
    std::size_t at = report.find("\r\nCleaning ");
    while (at != std::string::npos) {
        std::size_t next = report.find("\r\nCleaning ", at + 2);
        std::size_t end = next == std::string::npos ? report.find("\r\nEND OF", at + 2) : next;
        blocks.push_back(report.substr(at + 2, end == std::string::npos ? end : end - at));
        at = next;
    }
    return blocks;
}

// Checks one run's report and sandbox; returns "" or what went wrong.
std::string Judge(const std::string& browser, const std::string& report,
                  const FaultTargets& targets) {
    if (!targets.SentinelsSurvive()) return "a sentinel beside the targets was deleted";
    if (report.rfind("START OF CLEANING REPORT: ", 0) != 0) return "no START line";
    for (const std::string& block : Blocks(report)) {
        for (const BlockTarget& target : kBlockTargets) {
            if (*target.browser && browser != target.browser) continue;
            const std::string claim = std::string(target.title) + "\r\nCompleted\r\n";
            if (block == claim && !target.cleaned(targets)) {
                return std::string("\"") + target.title + "\" says Completed, target untouched";
            }
        }
    }
    return "";
}

// With BRISVANE_FAULT_TRACE set: what each run reported beyond a plain "Completed" block.
void Trace(const std::string& browser, int failAt, const std::string& report) {
    std::string shown;
    for (const std::string& block : Blocks(report)) {
        if (block.ends_with("\r\nCompleted\r\n") &&
            std::count(block.begin(), block.end(), '\n') == 2)
            continue;
        shown += " [" + block.substr(9, block.find('\r') - 9);
        shown += block.ends_with("Completed\r\n") ? ", Completed" : ", no Completed";
        if (std::count(block.begin(), block.end(), '\n') > 2) {
            shown += ": " + block.substr(block.find('\n') + 1, 60);
        }
        shown += "]";
    }
    std::printf("%s call %d:%s\n", browser.c_str(), failAt, shown.c_str());
}

class RegistryFaultRunTest : public ::testing::Test {
  protected:
    FakeUi ui;
    FaultTargets targets;
    TempRedirect temp{targets / "temp"};
    RecentRedirect recent{targets / "recent"};
    CacheRedirect cache{targets / "cache"};
    CookieFolderRedirect cookies{targets / "cookies"};
    KeepListKeys keepLists;
    cSettings settings;
    ProfileRedirect profile{targets / "profile", settings};

    void SelectEveryItem() {
        for (auto set :
             {&cSettings::SetRun, &cSettings::SetDocumentHistory, &cSettings::SetFindSearch,
              &cSettings::SetTempFiles, &cSettings::SetRecycleBin, &cSettings::SetInternetCookies,
              &cSettings::SetInternetHistory, &cSettings::SetTempInternet,
              &cSettings::SetInternetURLHistory}) {
            (settings.*set)(kTrue);
        }
        settings.SetReport(kFalse);
    }
    // One run with the call numbered `failAt` failing (0: none); false when it was not made.
    bool Run(const std::string& browser, int failAt, bool raise) {
        targets.Fill();
        settings.SetDefaultBrowser(browser);
        FailingRegistryApi api;
        api.failAt = failAt;
        api.raise = raise;
        cRegistry registry(api);
        std::string report;
        try {
            frmProgress progress;
            report = RunClean(registry, settings, kTrue, progress);
        } catch (...) {
            ADD_FAILURE() << browser << " call " << failAt << ": the run threw";
            return false;
        }
        EXPECT_EQ(Judge(browser, report, targets), "")
            << browser << " call " << failAt << (raise ? " raised" : " failed") << "\n"
            << report;
        if (std::getenv("BRISVANE_FAULT_TRACE")) Trace(browser, failAt, report);
        EXPECT_EQ(api.opened, api.closed) << browser << " call " << failAt << ": a key stays open";
        return failAt == 0 || api.met;
    }
};

}  // namespace

TEST_F(RegistryFaultRunTest, EveryRegistryCallFailingInTurnNeverThrowsNorFalselyCompletes) {
    SelectEveryItem();
    for (const char* browser : {"IE", "NS"}) {
        ASSERT_TRUE(Run(browser, 0, false));  // without a failure every check holds
        for (bool raise : {false}) {
            int n = 1;
            while (n <= kMostCalls && Run(browser, n, raise)) ++n;
            EXPECT_GT(n, 1) << browser << ": the run made no registry call";
            EXPECT_LE(n, kMostCalls) << browser;
            std::printf("%s, %s: %d registry calls failed in turn\n", browser,
                        raise ? "raised" : "status", n - 1);
        }
    }
}

using RegistryFaultStartTest = MainWindowTest;

// A whole start and close of the main window, interactive and automatic, with each registry
// call failing in turn: the program goes on (a failure is told or skipped, never thrown out).
TEST_F(RegistryFaultStartTest, EveryRegistryCallFailingInTurnNeverEndsTheProgram) {
    SandboxFolder box("fault-start");
    MakeFolder(box / "temp");
    MakeFolder(box / "recent");
    TempRedirect temp(box / "temp");
    RecentRedirect recent(box / "recent");
    WriteBytes(box / "sentinel.txt", "s");
    for (bool automatic : {false, true}) {
        int n = 1;
        for (; n <= kMostCalls; ++n) {
            ClearStoredSettings();
            StoreAllFlags("False");
            Program().automaticMode = automatic;
            FailingRegistryApi api;
            api.failAt = n;
            try {
                frmMain started;
                started.UseRegistryApi(api);
                started.Start();
                if (started.IsLoaded()) started.RequestClose();
            } catch (...) {
                ADD_FAILURE() << (automatic ? "automatic" : "interactive") << " start, call " << n
                              << ": the program would have ended";
            }
            if (!api.met) break;
        }
        EXPECT_GT(n, 1);
        EXPECT_LE(n, kMostCalls);
        std::printf("%s start and close: %d registry calls failed in turn\n",
                    automatic ? "automatic" : "interactive", n - 1);
    }
    EXPECT_EQ(ReadBytes(box / "sentinel.txt"), "s");
}
