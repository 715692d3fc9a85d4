#include "app/cli/Commandes.h"

#include "app/LecteurInconnus.h"
#include "app/cli/Aide.h"

#include <QFileInfo>

#ifndef VELMOR_VERSION
#define VELMOR_VERSION "0"
#endif

namespace {

// The commands that prepare words read those no dictionary holds with the reader of unknown words,
// as the editor does, unless told not to.
constexpr DefinitionOption kOptionSansLecteur = {
    .nom = "--sans-lecteur", .aide = "ne lit pas les mots inconnus avec espeak-ng : ils sont dessinés d'après leurs lettres"};

// Each command's own options, in the order of its help.
constexpr DefinitionOption kOptionsRendu[] = {
    {.nom = "-f", .valeur = "FICHIER", .aide = "lit le texte dans FICHIER (UTF-8, sinon Windows-1252)",
     .completion = Completion::Fichier},
    {.nom = "-o", .valeur = "FICHIER",
     .aide = "écrit FICHIER (.png, .bmp, .svg ou .pdf) ; FICHIER-01, FICHIER-02... (FICHIER-001... dès "
             "cent) pour plusieurs écrans, chacun écrit dès qu'il est plein ; un PDF d'une page par écran",
     .completion = Completion::Fichier},
    {.nom = "--ecriture", .valeur = "ÉCRITURE", .aide = "écriture dessinée", .defaut = "velmor",
     .choix = "velmor dorvane latine api"},
    {.nom = "--langue", .valeur = "LANGUE", .aide = "langue du texte : tumeli, français, anglais ou phonétique",
     .defaut = "TU", .choix = "TU FR EN PH"},
    {.nom = "--taille", .valeur = "N", .aide = "taille des glyphes, de 1 à 50", .defaut = "1"},
    {.nom = "--relief", .aide = "glyphes en relief"},
    {.nom = "--largeur", .valeur = "N", .aide = "largeur des images en pixels, de 100 à 32767", .defaut = "1000"},
    {.nom = "--hauteur", .valeur = "N", .aide = "hauteur d'un écran en pixels, de 100 à 4000",
     .defaut = "la hauteur A4 des tables"},
    {.nom = "--frappe", .aide = "tape le texte touche par touche au lieu de le coller"},
    {.nom = "--rogner", .aide = "coupe chaque image à son dessin"},
    {.nom = "--ecrans", .valeur = "N", .aide = "nombre d'écrans que le texte peut remplir, 0 sans limite",
     .defaut = "20, comme l'éditeur"},
    {.nom = "--quiet", .aide = "n'affiche pas la progression sur un terminal", .court = "-q"},
    kOptionSansLecteur,
};

constexpr DefinitionOption kOptionsChemin[] = {
    {.nom = "-o", .valeur = "FICHIER", .aide = "écrit l'image dans FICHIER (.png ou .bmp)", .completion = Completion::Fichier},
    {.nom = "--taille", .valeur = "N", .aide = "taille du tracé, de 1 à 50", .defaut = "1"},
    {.nom = "--x", .valeur = "X", .aide = "abscisse du départ en pixels", .defaut = "10 × taille"},
    {.nom = "--y", .valeur = "Y", .aide = "ordonnée du départ en pixels", .defaut = "40 × taille"},
    {.nom = "--largeur", .valeur = "N", .aide = "largeur de l'image en pixels, de 1 à 32767",
     .defaut = "200 × taille, ou assez pour le départ"},
    {.nom = "--hauteur", .valeur = "N", .aide = "hauteur de l'image en pixels, de 1 à 32767",
     .defaut = "60 × taille, ou assez pour le départ"},
    {.nom = "--relief", .aide = "tracé en relief"},
    {.nom = "--couleur", .valeur = "COULEUR", .aide = "couleur du tracé, 0x00BBVVRR", .defaut = "0, noir"},
};

constexpr DefinitionOption kOptionsNormalise[] = {
    {.nom = "--langue", .valeur = "LANGUE", .aide = "langue du texte, obligatoire", .choix = "TU FR EN PH"},
    {.nom = "--ecriture", .valeur = "N",
     .aide = "place aussi les marques pour l'écriture N : 0 Velmor, 1 Dorvane, 2 latine, 3 API", .choix = "0 1 2 3"},
};

constexpr DefinitionOption kOptionsPrepare[] = {
    {.nom = "--langue", .valeur = "LANGUE", .aide = "langue des mots, obligatoire", .choix = "TU FR EN PH"},
    {.nom = "--son", .valeur = "N", .aide = "mode de son, de 0 à 9", .defaut = "0"},
    kOptionSansLecteur,
};

constexpr DefinitionOption kOptionsSyllabes[] = {
    {.nom = "--langue", .valeur = "LANGUE", .aide = "langue du texte", .defaut = "TU", .choix = "TU FR EN PH"},
    {.nom = "--ecriture", .valeur = "ÉCRITURE", .aide = "écriture dessinée", .defaut = "velmor",
     .choix = "velmor dorvane latine api"},
    kOptionSansLecteur,
};

constexpr DefinitionOption kOptionsSpecimen[] = {
    {.nom = "-o", .valeur = "FICHIER", .aide = "écrit l'image dans FICHIER (.png ou .bmp)", .completion = Completion::Fichier},
    {.nom = "--taille", .valeur = "N", .aide = "une seule taille, de 1 à 20", .defaut = "1 et 3"},
    {.nom = "--ecriture", .valeur = "ÉCRITURE", .aide = "une seule écriture", .defaut = "les deux",
     .choix = "velmor dorvane"},
    {.nom = "--relief", .aide = "les glyphes en relief seulement"},
    {.nom = "--plat", .aide = "les glyphes sans relief seulement"},
};

constexpr DefinitionOption kOptionsRapport[] = {
    {.nom = "--images", .valeur = "PRÉFIXE", .aide = "enregistre aussi chaque feuille dessinée en PRÉFIXE1.png, PRÉFIXE2.png...",
     .completion = Completion::Fichier},
};

constexpr DefinitionOption kOptionDossier = {
    .nom = "--dossier", .valeur = "DOSSIER", .aide = "dossier du programme : ses données et ses réglages",
    .defaut = "$VELMOR_DOSSIER, sinon celui de l'exécutable", .completion = Completion::Dossier};
constexpr DefinitionOption kOptionAide = {.nom = "--help", .aide = "affiche cette aide et s'arrête", .court = "-h"};

constexpr DefinitionOption kOptionsCommunes[] = {kOptionDossier, kOptionAide};
constexpr DefinitionOption kOptionsProgramme[] = {
    kOptionDossier, kOptionAide, {.nom = "--version", .aide = "affiche la version et s'arrête"}};

constexpr DefinitionCommande kCommandes[] = {
    {"render", CommandeRendu, "TEXTE|-f FICHIER -o FICHIER",
     "écrit un texte dans une écriture et enregistre ses écrans en images ou en document", kOptionsRendu},
    {"syllabes", CommandeSyllabes, "TEXTE", "affiche les syllabes pointées de chaque mot que le programme dessinerait",
     kOptionsSyllabes},
    {"normalise", CommandeNormalise, "TEXTE... --langue LANGUE", "affiche chaque texte pointé passé au normaliseur",
     kOptionsNormalise},
    {"prepare", CommandePrepare, "MOT... --langue LANGUE", "affiche chaque mot préparé pour la prononciation",
     kOptionsPrepare},
    {"chemin", CommandeChemin, "CHEMIN -o FICHIER", "dessine un programme de tracé et l'enregistre en image",
     kOptionsChemin},
    {"specimen", CommandeSpecimen, "-o FICHIER", "dessine tous les glyphes des tables, chacun avec sa syllabe",
     kOptionsSpecimen},
    {"rapport", CommandeRapport, "", "écrit le rapport des mesures des glyphes Donnees.TXT dans le dossier du programme",
     kOptionsRapport},
};

constexpr Explication kStatuts[] = {
    {"0", "tout le travail est fait"},
    {"1", "un fichier ne peut être lu ou écrit"},
    {"2", "mauvais usage : commande ou option inconnue, valeur manquante ou hors limites"},
    {"3", "le texte n'a pas été écrit en entier (hauteur ou nombre d'écrans maximum atteint)"},
};

constexpr Explication kEnvironnement[] = {
    {"VELMOR_DOSSIER", "dossier du programme quand --dossier n'est pas donné"},
    {"VELMOR_DEBUG", "non vide : les messages internes de Qt vont aussi sur la sortie d'erreur"},
    {"QT_QPA_PLATFORM", "plateforme graphique ; les commandes prennent « offscreen » quand elle n'est pas donnée"},
};

}  // namespace

std::span<const DefinitionCommande> TableCommandes() { return kCommandes; }
std::span<const DefinitionOption> OptionsCommunes() { return kOptionsCommunes; }
std::span<const DefinitionOption> OptionsProgramme() { return kOptionsProgramme; }
std::span<const Explication> StatutsSortie() { return kStatuts; }
std::span<const Explication> VariablesEnvironnement() { return kEnvironnement; }
QString TexteVersion() { return QStringLiteral("velmor " VELMOR_VERSION); }

std::vector<DefinitionOption> OptionsDe(const DefinitionCommande& c) {
    std::vector<DefinitionOption> r(c.options.begin(), c.options.end());
    r.insert(r.end(), std::begin(kOptionsCommunes), std::end(kOptionsCommunes));
    return r;
}

const DefinitionCommande* TrouverCommande(const QString& nom) {
    for (const DefinitionCommande& c : kCommandes)
        if (nom == QLatin1String(c.nom)) return &c;
    return nullptr;
}

bool EstSousCommande(const QStringList& args) { return !args.isEmpty() && TrouverCommande(args[0]); }

int ExecuterSousCommande(const QStringList& args, const QString& dossier, QTextStream& sortie, QTextStream& erreurs) {
    const DefinitionCommande* c = TrouverCommande(args.value(0));
    const auto o = LireOptions(args, erreurs);
    if (!c || !o) return kSortieUsage;
    if (o->Drapeau(QStringLiteral("--help"))) {
        sortie << TexteAide(*c) << Qt::flush;
        return kSortieReussie;
    }
    // The reader off for this command only.
    const bool actif = LecteurInconnusActif();
    if (o->Drapeau(QStringLiteral("--sans-lecteur"))) ActiverLecteurInconnus(false);
    const int r = c->fonction(args, dossier, sortie, erreurs);
    ActiverLecteurInconnus(actif);
    return r;
}

std::optional<int> LigneSansCommande(const QStringList& args, QTextStream& sortie, QTextStream& erreurs) {
    const auto o = LireOptions(QStringList{QString()} + args, kOptionsProgramme, erreurs);
    if (!o) return kSortieUsage;
    if (o->Drapeau(QStringLiteral("--help"))) {
        sortie << TexteAide() << Qt::flush;
        return kSortieReussie;
    }
    if (o->Drapeau(QStringLiteral("--version"))) {
        sortie << TexteVersion() << Qt::endl;
        return kSortieReussie;
    }
    // A word that names no file and does not look like a file's name is a mistyped command.
    for (const QString& mot : o->positions)
        if (TrouverCommande(mot)) {
            ErreurUsage(erreurs, {}, QStringLiteral("la commande « %1 » vient en premier").arg(mot));
            return kSortieUsage;
        } else if (!QFileInfo::exists(mot) && !mot.contains(u'.') && !mot.contains(u'/')) {
            ErreurUsage(erreurs, {}, QStringLiteral("commande inconnue « %1 »").arg(mot));
            return kSortieUsage;
        }
    return std::nullopt;
}
