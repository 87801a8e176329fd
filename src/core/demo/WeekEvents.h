#pragma once

#include "demo/DemoFarm.h"

#include <QDate>
#include <QList>
#include <QString>

namespace herd {

// What the demonstration herd did in one week, by batch kind, each kind in
// date order: the rows a zootechnician would type into the batches.
struct WeekEvents {
    struct Enrolment {
        QString sow;
        QString category; // '1' a sow of the starting herd, '3' a gilt
        QString breed;
        bool inControl = true;
        QDate born;
        DemoBoar sire;
        QString dam; // the dam's number on the farm, '00000' when bought in
        QString housing;
    };
    struct Mating {
        QString sow;
        QDate date;
        QString method;
        DemoBoar boar;
    };
    struct Litter {
        QString sow;
        QDate farrowed;
        QString character; // '1' normal, '3' all born dead
        int born = 0, alive = 0, reared = 0;
        double weight = 0; // the reared litter, kg
        QDate weaned;      // invalid when not weaned
        QString evenness;
    };
    // Piglets kept for breeding from a weaned litter: ear numbers with their category.
    struct Selection {
        QString sow;
        QDate farrowed;
        QList<std::pair<int, QString>> piglets;
    };
    struct Veterinary {
        QString sow;
        int ukon = 0;
        QDate date;
    };
    struct Culling {
        QString sow;
        QDate date;
        QString reason;
    };

    QList<Enrolment> enrolments;
    QList<Litter> litters;
    QList<Selection> selections;
    QList<Mating> matings;
    QList<Veterinary> veterinary;
    QList<Culling> cullings;
};

} // namespace herd
