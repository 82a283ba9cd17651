#pragma once
// The one place experiment windows are made: a factory per window object name. A work is
// available in the menu once its first window is registered. The program's registry is built
// from the sections' declarations (catalogue.h); tests make registries of their own.
#include <QHash>
#include <QString>
#include <functional>

class ExperimentWindow;
class Host;

class WindowRegistry {
 public:
  using Factory = std::function<ExperimentWindow*(Host&)>;
  void add(const QString& form, Factory f) { factories_.insert(form, std::move(f)); }
  bool has(const QString& form) const { return factories_.contains(form); }
  ExperimentWindow* make(const QString& form, Host& host) const {
    auto it = factories_.constFind(form);
    return it == factories_.constEnd() ? nullptr : (*it)(host);
  }
  Factory factory(const QString& form) const { return factories_.value(form); }
  QStringList forms() const { return factories_.keys(); }

 private:
  QHash<QString, Factory> factories_;
};
