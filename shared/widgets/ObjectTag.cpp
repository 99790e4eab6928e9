#include "ObjectTag.h"

#include <QObject>
#include <QVariant>

namespace {

constexpr const char* TagProperty = "tag";

}  // namespace

int tagOf(const QObject* object) { return object->property(TagProperty).toInt(); }

void setTag(QObject* object, int tag) { object->setProperty(TagProperty, tag); }
