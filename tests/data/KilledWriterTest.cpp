// A process posting rows is killed at random moments: the file must stay sound and hold every
// row whose post had returned.

#include "data/Connection.h"
#include "data/Dataset.h"
#include "tests/data/TestDb.h"

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <csignal>
#include <random>
#include <set>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Runs in the child: posts numbered rows until killed, telling the parent of each one posted.
[[noreturn]] void postUntilKilled(const TestDb& db, int ackFd)
{
    try {
        Connection connection;
        db.point(connection);
        Dataset names(connection);
        names.setTableName(QStringLiteral("itemnames"));
        names.open();
        for (int i = 0; i < 100000; ++i) {
            names.insert();
            const qint64 id = names.asInteger(QStringLiteral("id"));
            names.setFieldText(QStringLiteral("name"), QStringLiteral("Posted %1").arg(id));
            names.post();
            if (write(ackFd, &id, sizeof id) != sizeof id)
                _exit(3);
        }
    } catch (...) {
        _exit(4);
    }
    _exit(0);
}

QString scalar(sqlite3* db, const char* sql)
{
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(db, sql, -1, &s, nullptr);
    QString v = sqlite3_step(s) == SQLITE_ROW ? QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s, 0))) : QString();
    sqlite3_finalize(s);
    return v;
}

} // namespace

TEST(KilledWriter, EveryAcknowledgedPostSurvivesAndTheFileStaysSound)
{
    std::mt19937 random(12345);
    std::uniform_int_distribution<int> wait(0, 120000); // microseconds before the kill
    const int runs = 24;
    int acknowledgedTotal = 0;
    for (int run = 0; run < runs; ++run) {
        TestDb db(standardRows());
        int pipeFds[2];
        ASSERT_EQ(pipe(pipeFds), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(pipeFds[0]);
            postUntilKilled(db, pipeFds[1]);
        }
        close(pipeFds[1]);
        std::set<qint64> acknowledged;
        qint64 id = 0;
        // Odd runs wait for the first post, so most kills fall inside the stream, not its start.
        if (run % 2 == 1 && read(pipeFds[0], &id, sizeof id) == sizeof id)
            acknowledged.insert(id);
        usleep(static_cast<useconds_t>(wait(random)));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer stopped by itself with " << WEXITSTATUS(status);

        while (read(pipeFds[0], &id, sizeof id) == sizeof id)
            acknowledged.insert(id);
        close(pipeFds[0]);
        acknowledgedTotal += int(acknowledged.size());

        sqlite3* file = nullptr;
        ASSERT_EQ(sqlite3_open(db.path().toUtf8().constData(), &file), SQLITE_OK);
        EXPECT_EQ(scalar(file, "PRAGMA integrity_check"), QStringLiteral("ok")) << "run " << run;
        for (qint64 posted : acknowledged) {
            const QByteArray sql = QStringLiteral("SELECT name FROM itemnames WHERE id = %1").arg(posted).toUtf8();
            EXPECT_EQ(scalar(file, sql.constData()), QStringLiteral("Posted %1").arg(posted)) << "run " << run;
        }
        sqlite3_close(file);
    }
    RecordProperty("acknowledged_posts", acknowledgedTotal);
    std::printf("[ killed writer ] %d runs, %d acknowledged posts checked\n", runs, acknowledgedTotal);
}
