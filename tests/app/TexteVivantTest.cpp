#include "app/TexteVivant.h"
#include "app/cli/Editeur.h"
#include "support/EcransVivants.h"
#include "support/JournalDessin.h"
#include "support/TexteLong.h"
#include "transcription/Document.h"

#include <gtest/gtest.h>

namespace {

const QString kDonnees = QStringLiteral(VELMOR_PROGRAM_DATA);

// A document's text as walked: a header for phonetic input at size 1, then the text.
QString Rendu(const QString& corps) {
    OptionsDocument o;
    o.langue = 3;
    return TexteARendre(Document{LigneEnTete(o), corps});
}

struct Vivant {
    Vivant() : editeur(ChoixEditeur{}, kDonnees, erreurs), rendu(editeur.ctx()) {}
    QList<QImage> Ecrans() const { return EcransDe(rendu); }
    QString err;
    QTextStream erreurs{&err};
    Editeur editeur;
    TexteVivant rendu;
};

// The screens of a text rendered from scratch on a fresh editor.
QList<QImage> DeZero(const QString& texte) {
    Vivant v;
    v.rendu.Rendre(texte);
    return v.Ecrans();
}

// Each edit redraws from the screen it touches, and the screens come out as a rendering of the
// edited text from scratch does; an edit on screen 3 draws nothing of screens 1 and 2 (far fewer
// drawing calls than the whole text takes).
TEST(TexteVivant, EditsRedrawFromTheirScreenAsFromScratch) {
    Vivant v;
    QString corps = TexteLong(75);
    std::vector<AppelDessin> tout;
    JournaliserDessins(v.editeur.ctx(), &tout);
    v.rendu.Rendre(Rendu(corps));
    ASSERT_EQ(v.rendu.Ecrans(), 3);
    MemesEcrans(v.Ecrans(), DeZero(Rendu(corps)));
    const qsizetype debut3 = v.rendu.DebutEcran(3) - Rendu(QString()).size();
    struct Cas {
        const char* quoi;
        qsizetype position;
        int enleves;
        QString mis;
        int premier;    // the first screen walked again
        int parcourus;  // screens walked, 0 for any: an edit that leaves the rest as it was stops at the next screen
    };
    const qsizetype fin1 = corps.indexOf(u'\n');
    const Cas cas[] = {
        {"a letter on screen 3", debut3 + 60, 1, QStringLiteral("o"), 3, 1},
        {"a line end joined on screen 3", corps.indexOf(u'\n', debut3 + 10), 1, QString(), 3, 1},
        {"a letter of the third word", corps.indexOf(u' ', corps.indexOf(u' ') + 1) + 1, 1, QStringLiteral("u"), 1, 0},
        {"a letter added on screen 1", corps.indexOf(u' ', fin1 + 2), 0, QStringLiteral("a"), 1, 1},
        {"a letter deleted on screen 1", corps.indexOf(u' ', fin1 + 2) - 1, 1, QString(), 1, 1},
        {"a line end on screen 1", fin1, 1, QStringLiteral(" "), 1, 0},
        {"a word pasted at the end", -1, 0, QStringLiteral("tama vira\n"), 3, 1},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.quoi);
        std::vector<AppelDessin> journal;
        JournaliserDessins(v.editeur.ctx(), &journal);
        const int marches = v.rendu.Marches();
        const qsizetype position = c.position < 0 ? corps.size() : c.position;
        corps.replace(position, c.enleves, c.mis);
        v.rendu.Modifier(Rendu(corps));
        JournaliserDessins(v.editeur.ctx(), nullptr);
        EXPECT_EQ(v.rendu.PremierParcouru(), c.premier);
        if (c.parcourus) EXPECT_EQ(v.rendu.EcransParcourus(), c.parcourus);
        EXPECT_GT(journal.size(), 0u);
        if (c.premier == 3) {  // one walk, from the start of screen 3 to the end
            EXPECT_EQ(v.rendu.Marches() - marches, 1);
            EXPECT_LT(journal.size() * 2, tout.size()) << journal.size() << " " << tout.size();
        }
        MemesEcrans(v.Ecrans(), DeZero(Rendu(corps)));
        EXPECT_EQ(v.rendu.Montre(), v.rendu.EcranDe(position + Rendu(QString()).size()));
    }
}

}  // namespace
