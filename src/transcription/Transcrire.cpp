#include "transcription/Transcrire.h"

#include "base/Contexte.h"
#include "base/Texte8Bits.h"
#include "drawing/Chiffres.h"
#include "drawing/Composeur.h"
#include "drawing/Entrees.h"
#include "drawing/MarqueFinMot.h"
#include "drawing/Scanners.h"
#include "drawing/Signes.h"
#include "layout/Lignes.h"
#include "layout/LimiteDroite.h"
#include "layout/PagesRappel.h"
#include "transcription/Casse.h"
#include "transcription/DessinSyllabes.h"
#include "transcription/Marqueurs.h"
#include "transcription/MemoireSyllabes.h"
#include "transcription/Morceaux.h"
#include "transcription/Normaliseur.h"
#include "transcription/Prononciation.h"
#include "transcription/ImprimerLatin.h"
#include "transcription/Syllabes.h"

#include <algorithm>

namespace {

// What one pass keeps between its steps.
struct Passe {
    bool finDiese = false;   // the text ended with "#": its digits belong to the sign
    QString texte;           // the dotted text cut into words
    Morceaux mots;           // its words, read in `texte`
};

bool CommenceParH(const QString& t) { return !t.isEmpty() && (t[0] == u'h' || t[0] == u'H'); }

// Step 1: the prepared text, copied for the spacing and the batch, then the pronunciation rules.
void PreparerTampon(Contexte& ctx) {
    EtatProgramme& e = ctx.etat;
    QString t = std::move(e.Tampon);
    // Only apostrophes, "*" and a leading "h" change the text here: one reading finds the first two.
    bool typographique = false, apostrophe = false, etoile = false;
    for (const QChar c : std::as_const(t)) {
        typographique |= c.unicode() == 0x2019;
        apostrophe |= c == u'\'';
        etoile |= c == u'*';
    }
    if (typographique) {
        t.replace(QChar(0x2019), QChar(u'\''));  // the typographic apostrophe is an apostrophe
        apostrophe = true;
    }
    if (etoile) {
        if (t.contains(u" * ")) t.replace(QStringLiteral(" * "), QStringLiteral("ù"));
        if (QStringView(t).trimmed() == u"*") t = QStringLiteral("ù");
    }
    if (apostrophe) {
        if (e.Langue == Langues::Phonetique) t.replace(QStringLiteral("'"), QStringLiteral("'_"));
        // Only "F", "f", "H" and "h" have "f" and "h" as lower case: no lower-case copy is needed.
        if (e.Langue == Langues::Tumeli && t.startsWith(u"fh'", Qt::CaseInsensitive)) t = u'h' + t.mid(3);
    }
    if (apostrophe && e.Langue != Langues::Tumeli && t.startsWith(u"fh'", Qt::CaseInsensitive)) t = QStringLiteral("fh") + t.mid(3);
    // PrepareMot writes a leading "h" as "ph" itself, after looking the word up as it stands.
    e.TamponOriginal = e.Langue != Langues::Tumeli && CommenceParH(t) ? QStringLiteral("ph") + t.mid(1) : t;
    e.TamponSon = e.TamponOriginal;
    e.Tampon = std::move(t);
    // The Latin and A.P.I. scripts write nothing from here: their words are prepared where drawn.
    if (e.Ecriture != Ecritures::Latine && e.Ecriture != Ecritures::API) PrepareMot(ctx, e.Tampon);
}

// Step 2: a text that is only a script or language marker; in the Latin and A.P.I. scripts a text
// stops here too.
bool MarqueurSeul(Contexte& ctx) {
    EtatProgramme& e = ctx.etat;
    const QStringView t = QStringView(e.Tampon).trimmed();
    const MarqueurLu m = t.startsWith(u'%') ? LireMarqueur(t) : MarqueurLu{};
    const bool seul = m && m.longueur == t.size();
    if (seul && m.marqueur->action == ActionMarqueur::Ecriture) {
        ExecuterMarqueur(ctx, m);
        return true;
    }
    if (e.Ecriture == Ecritures::Latine || e.Ecriture == Ecritures::API) return true;
    if (seul && m.marqueur->action == ActionMarqueur::Langue) {
        ExecuterMarqueur(ctx, m);
        return true;
    }
    return false;
}

// Step 5: syllables and words, then the normalised dotted text.
QString CouperEtNormaliser(Contexte& ctx, const QString& w, const QStringList& marqueurs) {
    QString pointe = CouperSyllabes(ctx, w, marqueurs);
    if (!pointe.isEmpty() && QStringView(pointe) != u".+") {
        const bool deuxFois = Contient(pointe, u'o') && pointe.contains(u".ou.+.");
        Normaliser(ctx, pointe);
        if (deuxFois) Normaliser(ctx, pointe);
    }
    return pointe;
}

// Steps 4 and 5: signs coded, suffixes cut, syllables and words, the normalised dotted text. Without
// markers or "#", they depend on the lower-case text and the reading alone: such a text is kept in
// the context's memory.
void ConstruireTextePointe(Contexte& ctx, Passe& p) {
    EtatProgramme& e = ctx.etat;
    QStringList marqueurs;
    QString minuscule = std::move(e.Tampon);
    if (!MinusculesAscii(minuscule)) minuscule = std::move(minuscule).toLower();
    e.Tampon.clear();
    if (Contient(minuscule, u'%')) minuscule = ProtegerMarqueurs(minuscule, marqueurs);
    const bool memorisable = marqueurs.isEmpty() && !Contient(minuscule, u'#');
    const int lecture = MemoireSyllabes::Lecture(e.Langue, e.Langue == Langues::Tumeli && e.ModeSon != 2);
    if (memorisable)
        if (const MemoireSyllabes::Texte* connu = ctx.memoireSyllabes.Trouver(lecture, minuscule)) {
            p.finDiese = false;
            e.SautPermis = connu->sautPermis;
            e.TextePointe = connu->pointe;
            return;
        }
    QString w = CoderSignes(ctx, minuscule, p.finDiese);
    if (e.Langue == Langues::Tumeli) SepareSuffixe(ctx, w);
    e.TextePointe = CouperEtNormaliser(ctx, w, marqueurs);
    if (memorisable) ctx.memoireSyllabes.Garder(lecture, minuscule, {e.TextePointe, e.SautPermis});
}

// Step 7: the words.
void DecouperMots(Contexte& ctx, Passe& p) {
    EtatProgramme& e = ctx.etat;
    p.texte = e.TextePointe;
    Decouper(p.texte, u'+', p.mots);
    e.DernierMot = static_cast<int>(p.mots.size()) - 1;
    e.TexteAffiche = e.TextePointe;
    e.MotSigne.clear();
}

// An inline marker in a word: runs it; false when the word holds none.
bool MarqueurDuMot(Contexte& ctx, QStringView mot) {
    const MarqueurLu m = MarqueurDansMot(mot);
    ExecuterMarqueur(ctx, m);
    return static_cast<bool>(m);
}

// Breaks the line before a word that would cross the right limit, with the sign glued after it.
// A word that ends a sentence breaks too; the request its sign holds back stays held.
void ControlerLigne(Contexte& ctx, const Passe& p, std::span<const QStringView> syllabes) {
    EtatProgramme& e = ctx.etat;
    ControleFinLigne(ctx);
    e.LimiteDroite = LimiteDroiteVisible(ctx);
    double fin = e.PosX + LargeurSyllabes(ctx, syllabes);
    const qsizetype suivant = e.IndiceMot + 1;
    if (suivant < p.mots.size() && Contient(p.mots[suivant], u'!')) fin += LargeurSigne(ctx, p.mots[suivant]);
    if (e.PosX <= e.MargeGauche + e.LargeurBlanc || (fin < e.LimiteDroite && (e.MargeDroite == 0 || fin <= e.MargeDroite)))
        return;
    const bool permis = e.SautPermis;
    e.SautPermis = true;
    NouvelleLigne(ctx);
    e.SautPermis = permis;
}

// Step 8.5: a word of syllables in the Velmor or Dorvane script.
void DessinerMot(Contexte& ctx, const Passe& p, QStringView pointe, bool suiviDeX) {
    EtatProgramme& e = ctx.etat;
    if (pointe.startsWith(u'.')) pointe = pointe.sliced(1);
    if (pointe.endsWith(u'.')) pointe.chop(1);
    // The word goes into TextePointe, which holds it already when it is the whole dotted text.
    if (pointe.data() != e.TextePointe.constData() || pointe.size() != e.TextePointe.size()) {
        e.TextePointe.resize(0);
        e.TextePointe.append(pointe);
    }
    if (!p.finDiese) DessineChiffres(ctx, e.TextePointe);
    PlaceMarque(ctx);
    // A copy that the drawing cannot change under the syllables' views.
    const QString mot = e.Ecriture == Ecritures::Dorvane ? e.TextePointe.toLower() : e.TextePointe;
    Morceaux syllabes;
    Decouper(mot, u'.', syllabes);
    // The digits were drawn by the digit drawer.
    qsizetype chiffres = 0;
    while (chiffres < syllabes[0].size() && syllabes[0][chiffres].isDigit()) ++chiffres;
    syllabes[0] = syllabes[0].sliced(chiffres);
    syllabes.erase(std::remove_if(syllabes.begin(), syllabes.end(), [](QStringView s) { return s.isEmpty(); }),
                   syllabes.end());
    if (syllabes.isEmpty()) return;
    ControlerLigne(ctx, p, syllabes);
    if (e.LimiteAtteinte) {  // its line break reached the limit
        ++e.MotsPerdus;
        return;
    }
    const int dessines = DessinerSyllabes(ctx, syllabes);
    if (!suiviDeX && dessines > 1) ComposeGlyphe(ctx, e.LettreComposee, e.FormeComposee);
    MarqueFinMot(ctx);
    ++e.MotsEcrits;
}

// Step 8.6: the word-by-word step mode.
void Temporiser(Contexte& ctx, QStringView mot) {
    EtatProgramme& e = ctx.etat;
    if (!e.Temporisation) return;
    e.TexteAffiche = mot.toString() + QStringLiteral("   Pos. ") + QString::number(e.PosX) + QStringLiteral("   (Largeur ") +
                     QString::number(e.LargeurGlyphe) + u')';
    ctx.fenetre.FixerTexte(QStringLiteral("TxtDimPic"), e.TexteAffiche);
    if (ctx.fenetre.Question(e.TexteAffiche + QStringLiteral("\n\nOn continue à temporiser ?"), Boutons::OuiNon) ==
        Reponse::Non) {
        ctx.fenetre.Information(QStringLiteral("Temporisation ANNULÉE..."));
        e.Temporisation = false;
    }
}

// Step 8.8: a word space, or a new line when the text ended with a space or a control character.
void Espacer(Contexte& ctx) {
    EtatProgramme& e = ctx.etat;
    // Spaces only are trimmed: a control character at the end still counts.
    QStringView t = e.TamponOriginal;
    while (t.endsWith(u' ')) t.chop(1);
    while (t.startsWith(u' ')) t = t.sliced(1);
    const int c = t.isEmpty() ? 0 : Code1252(t.back());
    if (c <= 32) {
        NouvelleLigne(ctx);
        return;
    }
    e.SautPermis = true;
    const bool signeColle = e.IndiceMot == e.DernierMot - 1 && c - 33 >= 0 && c - 33 < Tables::NbSignes &&
                            !ctx.tables.TableSignes[c - 33].isEmpty() && !ctx.tables.TableSignes[c - 33].startsWith(u'!');
    if (!signeColle) EspaceMot(ctx);
}

// Nothing but dots between the spaces at its ends.
bool SansLettre(QStringView mot) {
    const QStringView t = mot.trimmed();
    return std::all_of(t.begin(), t.end(), [](QChar c) { return c == u'.'; });
}

// Step 8: one word.
void Mot(Contexte& ctx, Passe& p) {
    EtatProgramme& e = ctx.etat;
    const int i = e.IndiceMot;
    const QStringView mot = p.mots.value(i);
    const bool suiviDeX = i + 1 < p.mots.size() && ContientPaire(p.mots[i + 1], u'!', u'X');
    if (ContientPaire(mot, u'!', u'X')) return;
    if (MarqueurDuMot(ctx, mot)) return;
    if (e.LimiteAtteinte) {  // nothing is drawn past the limit
        if (!SansLettre(mot)) ++e.MotsPerdus;
        return;
    }
    if (e.Ecriture == Ecritures::Latine || e.Ecriture == Ecritures::API) {
        QString lettres = mot.toString();
        lettres.remove(u'.');
        if (e.Ecriture == Ecritures::Latine) ImprimerLatin(ctx, lettres);
        else if (ctx.crochets.EcritAPI) ctx.crochets.EcritAPI(ctx, lettres);
        return;
    }
    if (Contient(mot, u'!')) {
        e.MotSigne = mot.toString();
        const qsizetype p1 = mot.indexOf(u'!');
        e.CodeSigne = p1 + 1 < mot.size() ? mot.mid(p1 + 1, 1).toString().toUpper() : QString();
        e.FormeSigne = (e.CodeSigne == u"A" || e.CodeSigne == u"M") ? (e.Ecriture == Ecritures::Dorvane ? 2 : 1) : 0;
        DessineSigne(ctx);
        return;
    }
    if (SansLettre(mot)) return;
    DessinerMot(ctx, p, mot, suiviDeX);
    Temporiser(ctx, mot);
    if (e.BasculeVoyelles == 1) {
        e.BasculeVoyelles = 0;
        e.Ecriture = Ecritures::Velmor;
    }
    Espacer(ctx);
}

void UnePasse(Contexte& ctx) {
    EtatProgramme& e = ctx.etat;
    Passe p;
    PreparerTampon(ctx);
    if (MarqueurSeul(ctx)) {
        e.Tampon.clear();
        return;
    }
    if (!e.CollageEnCours) MemorisePage(ctx);
    ConstruireTextePointe(ctx, p);
    if (e.ModeSon > 0 && ctx.crochets.EcrireLotPrononciation) ctx.crochets.EcrireLotPrononciation(ctx);
    DecouperMots(ctx, p);
    for (e.IndiceMot = 0; e.IndiceMot <= e.DernierMot; ++e.IndiceMot) Mot(ctx, p);
    e.SautPermis = true;
}

}  // namespace

void Transcrire(Contexte& ctx) {
    EtatProgramme& e = ctx.etat;
    if (e.TranscriptionEnCours) {
        e.TamponsEnAttente << e.Tampon;
        e.Tampon.clear();
        return;
    }
    e.TranscriptionEnCours = true;
    UnePasse(ctx);
    while (!e.TamponsEnAttente.isEmpty()) {
        e.Tampon = e.TamponsEnAttente.takeFirst();
        UnePasse(ctx);
    }
    e.TranscriptionEnCours = false;
}

QStringList MotsATracer(Contexte& ctx, const QString& texte) {
    EtatProgramme& e = ctx.etat;
    e.Tampon = texte;
    PreparerTampon(ctx);
    if (MarqueurSeul(ctx)) {
        e.Tampon.clear();
        return {};
    }
    Passe p;
    ConstruireTextePointe(ctx, p);
    DecouperMots(ctx, p);
    QStringList r;
    for (const QStringView vue : p.mots) {
        if (ContientPaire(vue, u'!', u'X') || vue.contains(u'%')) continue;
        QString mot = vue.toString();
        if (mot.startsWith(u'.')) mot.remove(0, 1);
        if (mot.endsWith(u'.')) mot.chop(1);
        if (!mot.trimmed().isEmpty()) r << mot;
    }
    return r;
}
