#pragma once
// Command-line options: the definition of each option a command accepts (the one table the parser,
// the help, the manual page and the shell completion all read), and the options read from a command
// line against it.

#include <QStringList>
#include <QTextStream>
#include <cstdint>
#include <map>
#include <optional>
#include <span>

// What the shell completes after an option that takes a value.
enum class Completion { Rien, Fichier, Dossier };

// One option. Written with designated initialisers in the tables of Commandes.cpp:
//   {.nom = "--taille", .valeur = "N", .aide = "...", .defaut = "1"}
struct DefinitionOption {
    const char* nom;                 // "--taille", or a short name alone ("-o")
    const char* valeur = nullptr;    // the word standing for its value in the help ("N", "FICHIER"); none for a switch
    const char* aide = "";           // what it does, one line
    const char* defaut = nullptr;    // its default as the help shows it; none when it has no default
    const char* choix = nullptr;     // the values it takes, separated by spaces, any case ("TU FR EN PH"); any when none
    Completion completion = Completion::Rien;
    const char* court = nullptr;     // a short name for the same option ("-h")

    bool Switch() const { return valeur == nullptr; }
};

struct Options {
    QString commande;  // "render"; empty for the command line without a command
    QStringList positions;
    std::map<QString, QString> valeurs;  // by the option's long name

    bool Drapeau(const QString& nom) const { return valeurs.count(nom) != 0; }
    QString Valeur(const QString& nom, const QString& defaut = {}) const {
        auto it = valeurs.find(nom);
        return it == valeurs.end() ? defaut : it->second;
    }
};

// Reads args[1..] against `definitions`: "--nom valeur", "--nom=valeur", switches, "--" before words
// that begin with a dash. A word beginning with a dash and a letter is an option. Nothing (with a
// one-line message) for an unknown option, a missing value or a value not among the option's choices.
std::optional<Options> LireOptions(const QStringList& args, std::span<const DefinitionOption> definitions,
                                   QTextStream& erreurs);
// The same against the options of the command args[0] (Commandes.cpp).
std::optional<Options> LireOptions(const QStringList& args, QTextStream& erreurs);

// The message of a misuse, on one line with the way to the help:
// "velmor render : MESSAGE (voir « velmor render --help »)".
void ErreurUsage(QTextStream& erreurs, const QString& commande, const QString& message);
// The message of a file or other failure: "velmor : MESSAGE".
void Erreur(QTextStream& erreurs, const QString& message);

// A number option; false (with a message) when it is not a number within [mini, maxi].
bool OptionNombre(const Options& o, const QString& nom, double defaut, double mini, double maxi, double& v,
                  QTextStream& erreurs);

// The --langue option: TU, FR, EN or PH (any case) as the input language 0 to 3; false (with a
// message) for anything else or when it is missing.
bool OptionLangue(const Options& o, int16_t& langue, QTextStream& erreurs);
