// SPDX-FileCopyrightText: 2026 The Lumeq developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one place experiment windows are made: a factory per window object name, called with the
// window's declaration. A work is available in the menu once its first window is registered.
// The program's registry is built from the sections' declarations (catalogue.h); tests make
// registries of their own.
#include <QHash>
#include <QString>
#include <functional>

#include "window_declaration.h"

class ExperimentWindow;
class Host;

class WindowRegistry {
 public:
  using Factory = std::function<ExperimentWindow*(Host&, const WindowDeclaration&)>;
  void add(WindowDeclaration d, Factory f) {
    const QString form = d.form;
    entries_.insert(form, {std::move(d), std::move(f)});
  }
  // A window of no declared work: window 1 of 1 that ends nothing, help and limit by default.
  void add(const QString& form, Factory f) {
    add(WindowDeclaration{.form = form, .firstForm = form, .work = {form}}, std::move(f));
  }
  bool has(const QString& form) const { return entries_.contains(form); }
  ExperimentWindow* make(const QString& form, Host& host) const {
    auto it = entries_.constFind(form);
    return it == entries_.constEnd() ? nullptr : it->make(host, it->declaration);
  }
  const WindowDeclaration* declaration(const QString& form) const {
    auto it = entries_.constFind(form);
    return it == entries_.constEnd() ? nullptr : &it->declaration;
  }
  QStringList forms() const { return entries_.keys(); }

 private:
  struct Entry {
    WindowDeclaration declaration;
    Factory make;
  };
  QHash<QString, Entry> entries_;
};
