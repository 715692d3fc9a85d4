#include "app/Demarrage.h"
#include "config/Parametres.h"
#include "support/Banc.h"
#include "transcription/Transcrire.h"

#include <gtest/gtest.h>
#include <set>

namespace {

TEST(Multicolore, EveryWordOfASentenceIsDrawnWithoutAMessage) {
    Banc b(1200, 400, VELMOR_PROGRAM_DATA);
    Main(*b.ctx);
    b.etat().Langue = 1;
    ActiverMulticolore(*b.ctx);
    const QStringList mots = QString("ba bonjour, les amis du monde entier. Voici 12 mots !").split(' ');
    std::set<QRgb> couleurs;
    for (const QString& mot : mots) {
        const size_t avant = b.Encre().size();
        b.etat().Tampon = mot;
        Transcrire(*b.ctx);
        EXPECT_GT(b.Encre().size(), avant) << mot.toStdString();
    }
    for (const auto& [x, y] : b.Encre()) couleurs.insert(b.surface.LigneBrute(y)[x]);
    EXPECT_TRUE(b.fenetre.messages.empty()) << b.fenetre.Textes().join("|").toStdString();
    EXPECT_TRUE(b.etat().MessagesManquants.isEmpty());
    EXPECT_GE(couleurs.size(), 2u);  // the vowel forms' colours, not one ink
}

}  // namespace
