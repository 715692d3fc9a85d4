#include "layout/ReduireImage.h"

#include "base/Contexte.h"

QSize TailleReduite(const Surface& surface, unsigned fond, int marge) { return TailleReduite(surface.Vue(), fond, marge); }

QSize TailleReduite(const QImage& image, unsigned fond, int marge) {
    const int l = image.width(), h = image.height();
    const QRgb f = Surface::VersRgb(fond) & 0xFFFFFF;
    const auto rangee = [&](int y) { return reinterpret_cast<const QRgb*>(image.constScanLine(y)); };
    auto encre = [&](int x, int y) { return (rangee(y)[x] & 0xFFFFFF) != f; };
    int colonne = -1;
    for (int x = l - 1; x >= 0 && colonne < 0; --x)
        for (int y = h - 1; y >= 0; --y)
            if (encre(x, y)) {
                colonne = x;
                break;
            }
    if (colonne < 0) return {l, h};
    int ligne = -1;
    for (int y = h - 1; y >= 0 && ligne < 0; --y) {
        const QRgb* p = rangee(y);
        for (int x = 0; x <= colonne; ++x)
            if ((p[x] & 0xFFFFFF) != f) {
                ligne = y;
                break;
            }
    }
    return {qMin(l, colonne + 1 + marge), qMin(h, ligne + 1 + marge)};
}

QSize ReduireImage(Contexte& ctx) {
    ctx.fenetre.Information(QStringLiteral("Je vais réduire l'image à son minimum, cliquer sur OK pour que je commence..."));
    const QSize t = TailleReduite(ctx.surface, ctx.surface.CouleurFond(), kMargeReduite);
    ctx.surface.Redimensionner(t.width(), t.height());
    ctx.fenetre.Information(QStringLiteral("Réduction terminée.") + QChar(13) + QStringLiteral("Taille en Pixels : C=") +
                            QString::number(t.width()) + QStringLiteral(" x L=") + QString::number(t.height()));
    return t;
}
