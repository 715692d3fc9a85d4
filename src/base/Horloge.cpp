#include "base/Horloge.h"

#include <QThread>

void HorlogeReelle::Attendre(int millisecondes) { QThread::msleep(static_cast<unsigned long>(millisecondes)); }
