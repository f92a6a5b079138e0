// Where copies are kept: the same file finds its copy again, a changed file does not, and old
// copies and leftovers are cleared.

#include "import/ImportCache.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void write(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

void setModified(const QString& path, const QDateTime& when)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(when, QFileDevice::FileModificationTime));
}

} // namespace

TEST(ImportCache, TheKeyFollowsPathSizeAndTime)
{
    QTemporaryDir dir;
    const QString source = dir.filePath("gd.mdb");
    write(source, "first state");
    const QDateTime when = QDateTime::currentDateTime().addSecs(-3600);
    setModified(source, when);
    const ImportCache cache(dir.filePath("cache"));

    const QString copy = cache.copyPath(source);
    EXPECT_TRUE(copy.startsWith(dir.filePath("cache") + "/"));
    EXPECT_TRUE(copy.endsWith(".db"));
    EXPECT_EQ(cache.copyPath(source), copy);
    // The same file reached another way is the same source.
    EXPECT_EQ(cache.copyPath(dir.path() + "/./gd.mdb"), copy);
    EXPECT_TRUE(cache.currentCopy(source).isEmpty());
    QDir().mkpath(dir.filePath("cache"));
    write(copy, "a copy");
    EXPECT_EQ(cache.currentCopy(source), copy);

    // Touched: the same bytes, a new time.
    setModified(source, when.addSecs(1));
    EXPECT_NE(cache.copyPath(source), copy);
    EXPECT_TRUE(cache.currentCopy(source).isEmpty());
    setModified(source, when);
    EXPECT_EQ(cache.currentCopy(source), copy);
    // Rewritten at the same time but longer.
    write(source, "second, longer state");
    setModified(source, when);
    EXPECT_NE(cache.copyPath(source), copy);
    // Another file of the same name elsewhere has its own copy.
    QDir().mkpath(dir.filePath("other"));
    write(dir.filePath("other/gd.mdb"), "first state");
    setModified(dir.filePath("other/gd.mdb"), when);
    EXPECT_NE(cache.copyPath(dir.filePath("other/gd.mdb")), copy);
    // The user's cache folder, named after the program.
    EXPECT_TRUE(ImportCache::defaultFolder().endsWith("/jet"));
}

TEST(ImportCache, EarlierCopiesAndOldLeftoversAreRemoved)
{
    QTemporaryDir dir;
    const QString source = dir.filePath("gd.mdb");
    const QString other = dir.filePath("other.mdb");
    write(source, "old");
    write(other, "other");
    const ImportCache cache(dir.filePath("cache"));
    QDir().mkpath(cache.folder());
    const QString oldCopy = cache.copyPath(source);
    write(oldCopy, "copy of the old state");
    const QString otherCopy = cache.copyPath(other);
    write(otherCopy, "copy of another file");
    write(source, "new and longer");
    const QString newCopy = cache.copyPath(source);
    write(newCopy, "copy of the new state");
    const QString oldPart = cache.folder() + "/abandoned.db.123.part";
    const QString freshPart = cache.folder() + "/running.db.456.part";
    write(oldPart, "x");
    write(freshPart, "x");
    setModified(oldPart, QDateTime::currentDateTime().addDays(-2));

    cache.removeStale(source);
    EXPECT_FALSE(QFileInfo::exists(oldCopy));
    EXPECT_TRUE(QFileInfo::exists(newCopy));
    EXPECT_TRUE(QFileInfo::exists(otherCopy));
    EXPECT_FALSE(QFileInfo::exists(oldPart));
    // Another program may be writing it right now.
    EXPECT_TRUE(QFileInfo::exists(freshPart));
    // Nothing to clear in a folder not made yet.
    ImportCache(dir.filePath("none")).removeStale(source);
}
