#pragma once
// Command-line options of the subcommands: "--name value" pairs, lone switches and positional words.

#include <QStringList>
#include <QTextStream>
#include <cstdint>
#include <map>
#include <optional>

struct Options {
    QStringList positions;
    std::map<QString, QString> valeurs;

    bool Drapeau(const QString& nom) const { return valeurs.count(nom) != 0; }
    QString Valeur(const QString& nom, const QString& defaut = {}) const {
        auto it = valeurs.find(nom);
        return it == valeurs.end() ? defaut : it->second;
    }
};

// Reads args[1..]; `drapeaux` lists the switches that take no value. Nothing on a missing value.
std::optional<Options> LireOptions(const QStringList& args, const QStringList& drapeaux, QTextStream& erreurs);

// A number option; false (with a message) when it is not a number within [mini, maxi].
bool OptionNombre(const Options& o, const QString& nom, double defaut, double mini, double maxi, double& v,
                  QTextStream& erreurs);

// The --langue option: TU, FR, EN or PH (any case) as the input language 0 to 3; false (with a
// message) for anything else or when it is missing.
bool OptionLangue(const Options& o, int16_t& langue, QTextStream& erreurs);
