#include "base/EcritureSure.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <dirent.h>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace {

PanneEcriture gPanne;

constexpr char kMarque[] = ".velmor-partiel-";  // NAME.velmor-partiel-PID-XXXXXX
constexpr qint64 kTampon = 64 * 1024;
constexpr qint64 kMorceauMax = 1 << 30;  // one write() at most

// True, errno set as by a full disk, when the test hook makes this step fail.
bool Panne(EtapeEcriture etape, const QString& fichier) {
    if (!gPanne || !gPanne(etape, fichier)) return false;
    errno = ENOSPC;
    return true;
}

bool Echec(QString* raison, const QString& fichier, int code) {
    if (raison)
        *raison = QDir::toNativeSeparators(fichier) + QStringLiteral(": ") +
                  QString::fromStdString(std::error_code(code, std::generic_category()).message());
    return false;
}

bool ToutEcrire(int fd, const char* p, qint64 n, const QString& fichier) {
    while (n > 0) {
        if (Panne(EtapeEcriture::Ecriture, fichier)) return false;
        const ssize_t k = ::write(fd, p, static_cast<size_t>(std::min(n, kMorceauMax)));
        if (k < 0 && errno == EINTR) continue;
        if (k < 0) return false;
        if (k == 0) {
            errno = ENOSPC;
            return false;
        }
        p += k, n -= k;
    }
    return true;
}

// The temporary file, written through a buffer; the first failure is kept and stops every later write.
class Sortie : public QIODevice {
public:
    Sortie(int fd, QString fichier) : fd_(fd), fichier_(std::move(fichier)) { open(QIODevice::WriteOnly); }
    bool isSequential() const override { return true; }
    int Erreur() const { return erreur_; }
    // Writes what the buffer still holds.
    bool Vider() {
        if (erreur_) return false;
        if (Panne(EtapeEcriture::Vidage, fichier_) || !ToutEcrire(fd_, tampon_.constData(), tampon_.size(), fichier_))
            erreur_ = errno ? errno : EIO;
        tampon_.clear();
        return !erreur_;
    }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* donnees, qint64 n) override {
        if (erreur_) return -1;
        if (tampon_.size() + n > kTampon) {
            if (!ToutEcrire(fd_, tampon_.constData(), tampon_.size(), fichier_) ||
                (n >= kTampon && !ToutEcrire(fd_, donnees, n, fichier_))) {
                erreur_ = errno ? errno : EIO;
                setErrorString(QString::fromStdString(std::error_code(erreur_, std::generic_category()).message()));
                return -1;
            }
            tampon_.clear();
            if (n >= kTampon) return n;
        }
        tampon_.append(donnees, n);
        return n;
    }

private:
    int fd_;
    QString fichier_;
    QByteArray tampon_;
    int erreur_ = 0;
};

// Removes the temporary files of NAME a program that no longer runs left behind.
void RetirerRestes(const QString& cible) {
    const QFileInfo fi(cible);
    const QByteArray dossier = QFile::encodeName(fi.absolutePath());
    const QByteArray prefixe = QFile::encodeName(fi.fileName()) + kMarque;
    DIR* d = ::opendir(dossier.constData());
    if (!d) return;
    while (const dirent* e = ::readdir(d)) {
        const QByteArray nom(e->d_name);
        if (!nom.startsWith(prefixe)) continue;
        const QByteArray reste = nom.mid(prefixe.size());
        bool nombre = false;
        const qint64 pid = reste.left(reste.indexOf('-')).toLongLong(&nombre);
        if (!nombre || pid <= 0 || pid == ::getpid() || pid > std::numeric_limits<pid_t>::max()) continue;
        if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH) ::unlinkat(::dirfd(d), e->d_name, 0);
    }
    ::closedir(d);
}

int CreerTemporaire(const QString& cible, QByteArray& temporaire) {
    const QByteArray base = QFile::encodeName(cible) + kMarque + QByteArray::number(::getpid()) + '-';
    static constexpr char kCars[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    for (int essai = 0; essai < 100; ++essai) {
        temporaire = base;
        for (int i = 0; i < 6; ++i) temporaire += kCars[QRandomGenerator::global()->bounded(62)];
        const int fd = ::open(temporaire.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// Syncs the folder, so the new name survives a power cut; not every file system can.
void SynchroniserDossier(const QString& cible) {
    const int fd = ::open(QFile::encodeName(QFileInfo(cible).absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

struct FichierSur::Etat {
    QString cible;
    QByteArray temporaire;
    int fd = -1;
    int code = 0;  // why it could not be opened
    std::unique_ptr<Sortie> sortie;
};

FichierSur::FichierSur(const QString& fichier) : e_(std::make_unique<Etat>()) {
    // A link there is replaced by the file, never written through to whatever it names.
    e_->cible = fichier;
    RetirerRestes(fichier);
    e_->fd = Panne(EtapeEcriture::Ouverture, fichier) ? -1 : CreerTemporaire(fichier, e_->temporaire);
    if (e_->fd < 0) {
        e_->code = errno;
        return;
    }
    struct stat precedent {};
    if (::lstat(QFile::encodeName(fichier).constData(), &precedent) == 0 && S_ISREG(precedent.st_mode))
        ::fchmod(e_->fd, precedent.st_mode & 07777);  // the replaced file's permissions stay
    e_->sortie = std::make_unique<Sortie>(e_->fd, fichier);
}

FichierSur::~FichierSur() { Abandonner(); }

bool FichierSur::Ouvert() const { return e_->fd >= 0; }

QIODevice& FichierSur::Appareil() { return *e_->sortie; }

bool FichierSur::Valider(QString* raison) {
    if (e_->fd < 0) return Echec(raison, e_->cible, e_->code ? e_->code : EBADF);
    int code = e_->sortie->Erreur();
    if (!code && !e_->sortie->Vider()) code = e_->sortie->Erreur();
    e_->sortie.reset();
    if (!code && (Panne(EtapeEcriture::Synchronisation, e_->cible) || ::fsync(e_->fd) != 0)) code = errno;
    if (::close(e_->fd) != 0 && !code) code = errno;
    e_->fd = -1;
    if (!code && (Panne(EtapeEcriture::Remplacement, e_->cible) ||
                  ::rename(e_->temporaire.constData(), QFile::encodeName(e_->cible).constData()) != 0))
        code = errno;
    if (code) {
        ::unlink(e_->temporaire.constData());
        return Echec(raison, e_->cible, code);
    }
    SynchroniserDossier(e_->cible);
    return true;
}

void FichierSur::Abandonner() {
    if (e_->fd < 0) return;
    e_->sortie.reset();
    ::close(e_->fd);
    e_->fd = -1;
    ::unlink(e_->temporaire.constData());
}

bool EcrireFichierSur(const QString& fichier, const std::function<bool(QIODevice&)>& ecrire, QString* raison) {
    FichierSur f(fichier);
    if (!f.Ouvert()) return f.Valider(raison);
    errno = 0;
    if (!ecrire(f.Appareil())) {
        const int code = errno ? errno : ECANCELED;
        f.Abandonner();
        return Echec(raison, fichier, code);
    }
    return f.Valider(raison);
}

bool EcrireFichierSur(const QString& fichier, const QByteArray& contenu, QString* raison) {
    return EcrireFichierSur(fichier, [&](QIODevice& d) { return d.write(contenu) == contenu.size(); }, raison);
}

bool AjouterFichierSur(const QString& fichier, const QByteArray& contenu, QString* raison) {
    const QByteArray nom = QFile::encodeName(fichier);
    const int fd = Panne(EtapeEcriture::Ouverture, fichier)
                       ? -1
                       : ::open(nom.constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) return Echec(raison, fichier, errno);
    struct stat avant {};
    if (::fstat(fd, &avant) != 0) {
        const int code = errno;
        ::close(fd);
        return Echec(raison, fichier, code);
    }
    int code = 0;
    if (!ToutEcrire(fd, contenu.constData(), contenu.size(), fichier)) code = errno;
    if (!code && (Panne(EtapeEcriture::Synchronisation, fichier) || ::fdatasync(fd) != 0)) code = errno;
    if (code) ::ftruncate(fd, avant.st_size);  // what was there before stays, nothing of the addition
    if (::close(fd) != 0 && !code) {
        code = errno;
        ::truncate(nom.constData(), avant.st_size);
    }
    return code ? Echec(raison, fichier, code) : true;
}

bool RenommerFichierSur(const QString& ancien, const QString& nouveau) {
    // rename() replaces the target in one step (a link there included, not followed), where
    // QFile::rename would refuse an existing one.
    return ::rename(QFile::encodeName(ancien).constData(), QFile::encodeName(nouveau).constData()) == 0;
}

void FixerPanneEcriture(PanneEcriture panne) { gPanne = std::move(panne); }
