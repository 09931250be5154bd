#include "prices/TTankCustomPrices.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <cstdlib>
#include <optional>
#include <string>

#include "prices/PriceFileCodec.h"
#include "support/TempDirectory.h"

namespace velmora {
namespace {

TEST(TTankCustomPricesTest, SavedPriceIsReadByTheNextStore) {
    testing::TempDirectory dir;
    {
        TTankCustomPrices store(dir.path() / "customPrices");
        TTankCustomPrice& entry = store.getElem("12/34:5");
        EXPECT_FALSE(entry.UseCustomPrice());
        EXPECT_EQ(entry.CustomPrice(), 0);
        entry.setCustomPrice(1234.5);
        entry.setUseCustomPrice(true);
        entry.setOriginalPrice(999);
        EXPECT_TRUE(entry.save());  // creates the missing directory
    }
    EXPECT_TRUE(std::filesystem::is_regular_file(dir.path() / "customPrices" / "12345.dta"));
    TTankCustomPrices store(dir.path() / "customPrices");
    const TTankCustomPrice& entry = store.getElem("12/34:5");
    EXPECT_TRUE(entry.UseCustomPrice());
    EXPECT_DOUBLE_EQ(entry.CustomPrice(), 1234.5);
    EXPECT_EQ(entry.OriginalPrice(), 0);  // never stored
}

TEST(TTankCustomPricesTest, PriceNotInUseKeepsItsValue) {
    testing::TempDirectory dir;
    TTankCustomPrices first(dir.path());
    first.getElem("4711").setCustomPrice(19.99);
    ASSERT_TRUE(first.getElem("4711").save());
    TTankCustomPrices second(dir.path());
    EXPECT_FALSE(second.getElem("4711").UseCustomPrice());
    EXPECT_DOUBLE_EQ(second.getElem("4711").CustomPrice(), 19.99);
}

TEST(TTankCustomPricesTest, ArticleNumbersDifferingInCaseShareOneEntry) {
    testing::TempDirectory dir;
    TTankCustomPrices store(dir.path());
    TTankCustomPrice& lower = store.getElem("abc-1");
    TTankCustomPrice& upper = store.getElem("ABC-1");
    EXPECT_EQ(&lower, &upper);
    EXPECT_EQ(upper.ArticleNo(), "abc-1");
    store.getElem("xyz");
    EXPECT_EQ(store.count(), 2U);
    EXPECT_EQ(store.at(1).ArticleNo(), "xyz");
    EXPECT_THROW(store.at(2), std::out_of_range);
}

TEST(TTankCustomPricesTest, FileNamesDifferingInCaseBelongToOneArticle) {
    testing::TempDirectory dir;
    TTankCustomPrices first(dir.path());
    first.getElem("Abc-1").setCustomPrice(7);
    ASSERT_TRUE(first.getElem("Abc-1").save());

    TTankCustomPrices second(dir.path());
    TTankCustomPrice& entry = second.getElem("aBC-1");
    EXPECT_DOUBLE_EQ(entry.CustomPrice(), 7);
    entry.setCustomPrice(8);
    ASSERT_TRUE(entry.save());
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "aBC-1.dta"));
    EXPECT_DOUBLE_EQ(TTankCustomPrices(dir.path()).getElem("ABC-1").CustomPrice(), 8);
}

TEST(TTankCustomPricesTest, UnreadableFilesMeanNoCustomPrice) {
    testing::TempDirectory dir;
    std::string truncated = *encodePriceFile({50, true});
    truncated.resize(truncated.size() - 5);
    dir.write("truncated.dta", truncated);
    dir.write("foreign.dta", "<d p=\"5\" u=\"true\"/>");
    dir.write("empty.dta", "");
    dir.write("huge.dta", std::string(5 * kMaxPriceFileSize, '\x42'));
    std::filesystem::create_directory(dir.path() / "directory.dta");
    TTankCustomPrices store(dir.path());
    for (const char* article : {"truncated", "foreign", "empty", "huge", "directory", "none"}) {
        SCOPED_TRACE(article);
        const TTankCustomPrice& entry = store.getElem(article);
        EXPECT_FALSE(entry.UseCustomPrice());
        EXPECT_EQ(entry.CustomPrice(), 0);
    }
}

TEST(TTankCustomPricesTest, ArticleWithoutFileNameIsNeverStored) {
    testing::TempDirectory dir;
    TTankCustomPrices store(dir.path());
    for (const std::string& article : {std::string(261, '7'), std::string("/:?")}) {
        TTankCustomPrice& entry = store.getElem(article);
        EXPECT_EQ(entry.getFilename(), "");
        entry.setCustomPrice(5);
        EXPECT_FALSE(entry.save());
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

// Lets no file grow beyond a few bytes while it lives, so every write fails.
class FileSizeLimit {
public:
    FileSizeLimit() {
        getrlimit(RLIMIT_FSIZE, &old_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit tiny = old_;
        tiny.rlim_cur = 8;
        setrlimit(RLIMIT_FSIZE, &tiny);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit old_{};
    void (*previousHandler_)(int) = nullptr;
};

TEST(TTankCustomPricesTest, FailedWriteKeepsTheOldFileAndItsPrice) {
    testing::TempDirectory dir;
    TTankCustomPrices store(dir.path());
    TTankCustomPrice& entry = store.getElem("4711");
    entry.setCustomPrice(100);
    entry.setUseCustomPrice(true);
    ASSERT_TRUE(entry.save());
    const std::string before = dir.read("4711.dta");

    entry.setCustomPrice(200);
    {
        const FileSizeLimit limit;
        EXPECT_FALSE(entry.save());
    }
    EXPECT_EQ(dir.read("4711.dta"), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              1);  // no temporary file left behind
    TTankCustomPrices reread(dir.path());
    EXPECT_DOUBLE_EQ(reread.getElem("4711").CustomPrice(), 100);
}

// Sets an environment variable for its lifetime.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        setenv(name, value, 1);
    }
    ~ScopedVariable() {
        if (old_) {
            setenv(name_, old_->c_str(), 1);
        } else {
            unsetenv(name_);
        }
    }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(TTankCustomPricesTest, DefaultDirectoryFollowsXdgDataHome) {
    ScopedVariable xdg("XDG_DATA_HOME", "/tmp/velmora-xdg/");
    EXPECT_EQ(TTankCustomPrices().directory(),
              std::filesystem::path("/tmp/velmora-xdg/HalvexVelmora/customPrices/"));
    ScopedVariable relative("XDG_DATA_HOME", "relative/ignored");
    ScopedVariable home("HOME", "/home/someone");
    EXPECT_EQ(customPriceDirectory(),
              std::filesystem::path("/home/someone/.local/share/HalvexVelmora/customPrices/"));
}

}  // namespace
}  // namespace velmora
