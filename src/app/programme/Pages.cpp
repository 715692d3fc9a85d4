// velmor_pages DIR: writes the manual page DIR/velmor.1 and the bash completion DIR/velmor from the
// command table, for the build to install.

#include "app/cli/Aide.h"
#include "base/EcritureSure.h"

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage : velmor_pages DOSSIER\n");
        return 2;
    }
    const QString dossier = QString::fromLocal8Bit(argv[1]);
    for (const auto& [nom, texte] : {std::pair{QStringLiteral("velmor.1"), PageManuel()}, {QStringLiteral("velmor"), CompletionBash()}})
        if (!EcrireFichierSur(dossier + u'/' + nom, texte.toUtf8())) {
            std::fprintf(stderr, "velmor_pages : impossible d'écrire %s/%s\n", argv[1], qPrintable(nom));
            return 1;
        }
    return 0;
}
