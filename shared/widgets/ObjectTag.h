#pragma once

class QObject;

// A free integer mark on any widget or object, 0 until set. Forms use it to remember
// which buttons they disabled (1); the settings store leaves out controls marked 1000.
int tagOf(const QObject* object);
void setTag(QObject* object, int tag);
