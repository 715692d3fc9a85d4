#include "support/ImpressionQt.h"
#include "transcription/MemoireSyllabes.h"

#include <gtest/gtest.h>

namespace {

// The memory answers only what it was given, reading by reading, and stays bounded: once full it
// starts again rather than answering wrong.
TEST(MemoireSyllabes, AnswersWhatItKeptAndNothingElse) {
    MemoireSyllabes m;
    const int lecture = MemoireSyllabes::Lecture(3, false);
    EXPECT_EQ(m.Trouver(lecture, "ba"), nullptr);
    m.Garder(lecture, "ba", {"ba", true});
    m.Garder(lecture, "ba", {"Ba", false});  // kept again: the newer text wins
    ASSERT_NE(m.Trouver(lecture, "ba"), nullptr);
    EXPECT_EQ(std::tuple(m.Trouver(lecture, "ba")->pointe, m.Trouver(lecture, "ba")->sautPermis), std::tuple(u"Ba"_s, false));
    EXPECT_EQ(m.Trouver(MemoireSyllabes::Lecture(0, true), "ba"), nullptr);  // another reading
    EXPECT_EQ(std::tuple(m.Trouver(lecture, "b"), m.Trouver(lecture, "ba ")), std::tuple(nullptr, nullptr));
    EXPECT_EQ(std::tuple(m.Trouver(-1, "ba"), m.Trouver(99, "ba")), std::tuple(nullptr, nullptr));
    int trouves = 0;
    for (int i = 0; i < 20000; ++i) {
        const QString t = QString::number(i * 7919) + u'x';
        m.Garder(lecture, t, {t + u'.', i % 2 == 0});
        if (const MemoireSyllabes::Texte* k = m.Trouver(lecture, t)) {
            EXPECT_EQ(k->pointe, t + u'.');
            ++trouves;
        }
        const QString avant = QString::number((i / 2) * 7919) + u'x';
        if (const MemoireSyllabes::Texte* k = m.Trouver(lecture, avant)) {
            EXPECT_EQ(std::tuple(k->pointe, k->sautPermis), std::tuple(avant + u'.', (i / 2) % 2 == 0));
        }
    }
    EXPECT_EQ(trouves, 20000);  // a text just kept is always found
}

}  // namespace
