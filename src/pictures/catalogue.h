#pragma once
#include "pictures/diagram.h"

#include <QColor>
#include <QSize>
#include <QString>
#include <functional>
#include <vector>

// How each named picture is made; pictures.cpp only caches what these produce.
namespace pictures::catalogue {

struct Entry {
    QString name;
    QSize size;
    QColor background;
    draw::Style style;
    std::function<void(draw::Diagram&)> paint;
};

std::vector<Entry> icons();  // plot background, ticks, step arrows
std::vector<Entry> links();  // single links: the integrator picture and the link buttons
std::vector<Entry> loops();  // closed loops: lab windows and loop buttons
std::vector<Entry> stability();  // the loops of the stability works (lab16_1 .. lab16_4)

}  // namespace pictures::catalogue
