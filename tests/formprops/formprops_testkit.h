// Helpers shared by the property group tests: a command sink that records
// every call, a factory of the groups by short name, and picture checks
// that compare what a label or button shows with the resource image.
#ifndef FORMPROPS_TESTKIT_H
#define FORMPROPS_TESTKIT_H

#include "cmo_commandsink.h"

#include <QImage>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <memory>

class QLabel;
class QPushButton;

class RecordingSink : public QObject, public CMO_CommandSink
{
public:
    void sendOutputOn(int n) override { calls << QStringLiteral("outputOn %1").arg(n); }
    void sendOutputOff(int n) override { calls << QStringLiteral("outputOff %1").arg(n); }
    void sendInputOn(int n) override { calls << QStringLiteral("inputOn %1").arg(n); }
    void sendInputOff(int n) override { calls << QStringLiteral("inputOff %1").arg(n); }
    void sendCommand(const QString& text) override { calls << QStringLiteral("command ") + text; }

    QStringList calls;
};

namespace TestKit {

// "Out", "In", "Impuls", "Analog", "Commands", "Object", ... : a new
// CMO_FormProperty_<name>.
std::unique_ptr<QWidget> makeGroup(const QString& name);

// The resource image, loaded through the form spelling of the path.
QImage resourceImage(const QString& name);
// The name of the resource picture that the label shows, or "" when none
// matches (compared by pixels, in a common format).
QString pictureName(const QLabel* label);
QString iconName(const QPushButton* button, int size);
// True when the image has at least two different pixels.
bool hasDetail(const QImage& image);

const QStringList& pictureNames();

template <typename T>
T* child(const QWidget* parent, const char* name)
{
    return parent->findChild<T*>(QString::fromLatin1(name));
}

} // namespace TestKit

#endif // FORMPROPS_TESTKIT_H
