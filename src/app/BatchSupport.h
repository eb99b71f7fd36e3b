#pragma once

#include "settings/StoreResult.h"

#include <QString>
#include <cstdio>

class Storage;
class StoredGeometry;
struct Model;

// What the batch commands share: their output and loading the store.

// Prints one line of text on `stream`.
void PrintLine(FILE* stream, const QString& text);

// Prints the warnings and the failure of `result` on standard error; returns the exit code.
int Report(const StoreResult& result);

// Loads as the window does at start-up; false once it has printed why it could not.
bool LoadAsAtStartup(const Storage& storage, Model& model, StoredGeometry& geometry);
