#include "app/cli/BarreProgression.h"

#include <unistd.h>

namespace {

constexpr int kLargeurBarre = 30;  // characters

}  // namespace

bool BarreProgression::Terminal() { return isatty(STDERR_FILENO) == 1; }

void BarreProgression::Mots(int faits, int total) {
    if (total <= 0) return;  // the end of one run of the paste
    faits_ = faits, total_ = total;
    if (pleins_ > 0) Dessiner();
}

void BarreProgression::EcranPlein() {
    ++pleins_;
    Dessiner();
}

void BarreProgression::Effacer() {
    if (!visible_) return;
    erreurs_ << "\r\033[K" << Qt::flush;
    visible_ = false;
}

void BarreProgression::Finir(int ecrans) {
    if (pleins_ == 0) return;
    ecrans_ = ecrans;
    Dessiner();
    erreurs_ << Qt::endl;
    visible_ = false;
}

void BarreProgression::Dessiner() {
    const int plein = total_ > 0 ? static_cast<int>(static_cast<qint64>(kLargeurBarre) * faits_ / total_) : 0;
    const int pourcent = total_ > 0 ? static_cast<int>(100LL * faits_ / total_) : 0;
    erreurs_ << "\r[" << QString(plein, u'#') << QString(kLargeurBarre - plein, u'.') << "] "
             << QStringLiteral("%1 %").arg(pourcent, 3) << "  " << faits_ << '/' << total_ << " mots, "
             << (ecrans_ > 0 ? QStringLiteral("%1 écrans").arg(ecrans_) : QStringLiteral("écran %1").arg(pleins_ + 1))
             << "\033[K" << Qt::flush;
    visible_ = true;
}
