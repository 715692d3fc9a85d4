#pragma once
// The commands of the velmor executable: one table naming each command, its arguments, what it
// does and the options it accepts. The parser, the help, the manual page and the shell completion
// all read it.

#include "app/cli/Options.h"
#include "app/cli/SousCommandes.h"

#include <QStringList>
#include <QTextStream>
#include <optional>
#include <span>
#include <vector>

// The exit statuses of every command.
enum StatutSortie : int {
    kSortieReussie = 0,         // all the work was done
    kSortieFichier = 1,         // a file could not be read or written
    kSortieUsage = 2,           // unknown command or option, bad or missing value
    kSortieTexteIncomplet = 3,  // the text was not written whole
};

struct DefinitionCommande {
    const char* nom;
    SousCommande fonction;
    const char* arguments;  // after "velmor NOM [OPTIONS]" in the usage line
    const char* resume;     // what it does, one line
    std::span<const DefinitionOption> options;  // its own; the common ones follow (OptionsDe)
};

// A name and what it means: an exit status or an environment variable.
struct Explication {
    const char* nom;
    const char* aide;
};

std::span<const DefinitionCommande> TableCommandes();
const DefinitionCommande* TrouverCommande(const QString& nom);
// The options of every command after its own (the program folder, the help).
std::span<const DefinitionOption> OptionsCommunes();
// The options of the command line that opens the editor.
std::span<const DefinitionOption> OptionsProgramme();
// A command's own options, then the common ones.
std::vector<DefinitionOption> OptionsDe(const DefinitionCommande& c);
std::span<const Explication> StatutsSortie();
std::span<const Explication> VariablesEnvironnement();
// "velmor 0.1.0".
QString TexteVersion();

// True when args[0] names a subcommand.
bool EstSousCommande(const QStringList& args);

// Runs the subcommand args[0] with its options (its help with --help); returns the exit status.
int ExecuterSousCommande(const QStringList& args, const QString& dossier, QTextStream& sortie,
                         QTextStream& erreurs);

// The command line that names no command: --help and --version answered, an unknown option or a
// word that is neither a command nor a file refused; a status when that is all there was to do,
// nothing when the editor is to open (the files named stay in `args`).
std::optional<int> LigneSansCommande(const QStringList& args, QTextStream& sortie, QTextStream& erreurs);
