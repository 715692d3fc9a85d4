#pragma once
// What the command table tells a person: the help of the program and of each command, the manual
// page velmor(1) and the bash completion script, all written from Commandes.cpp's table.

#include <QString>

struct DefinitionCommande;
struct DefinitionOption;

// "velmor --help": the usage, the commands, the options, the exit statuses and the environment.
QString TexteAide();
// "velmor COMMANDE --help": its usage, its options with their defaults, the exit statuses and the
// environment.
QString TexteAide(const DefinitionCommande& c);
// "--taille N", "-h, --help": an option as the help and the manual page name it.
QString NomAvecValeur(const DefinitionOption& d);
// What an option does, with its values and its default: "taille des glyphes (défaut : 1)".
QString ExplicationOption(const DefinitionOption& d);

// The manual page velmor(1), in roff (man macros).
QString PageManuel();

// The bash completion script: commands, options, the values of options that take a few, file and
// folder names.
QString CompletionBash();
