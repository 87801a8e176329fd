#pragma once

#include <QByteArray>
#include <QString>

namespace herd {

// Writes delivery files as the measuring service does, for tests and
// benchmarks: one group line with the herd of the farm's offspring, then an
// animal line per reared piglet of the farm whose ear number the file can
// express (the first five digits followed by "00", or the dam's number
// followed by two digits), some animals the herd does not know, and some
// lines repeated.
struct DeliveryFileOptions {
    QString farm;       // cislo_farmy of the offspring
    int animals = 100;  // known animals, at most as many as the farm has
    int unknown = 0;    // animals of a dam without a litter on that day
    int duplicated = 0; // animal lines written twice
    quint64 seed = 1;
    QString dmer = QStringLiteral("07.03.08");
};

class DeliveryFileGenerator {
public:
    // The file's bytes (Windows line ends); the number of known animals
    // found through `known`.
    static QByteArray generate(const DeliveryFileOptions& options, int* known = nullptr);
};

} // namespace herd
