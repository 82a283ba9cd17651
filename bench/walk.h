#pragma once
// Walks a work from its first window to its last with animation off, each window marked as
// answered so that Next moves on. Returns the milliseconds each window (or repeated run)
// took from the click to the end of its trace.
#include <QString>
#include <vector>

class Main;
std::vector<double> walkWork(Main& main, const QString& firstForm);
