#include "bench_helper.h"

#include "../bench_format.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QSpinBox>
#include <QTimer>
#include <QWidget>

#include <cstring>

namespace {
// The first widget of that class and name, in every top-level widget or
// below the widget named within (the command group has a port spin box too).
template <typename T>
T* findWidget(const char* name, const char* within = nullptr)
{
    for (QWidget* top : QApplication::topLevelWidgets()) {
        QWidget* scope = top;
        if (within && top->objectName() != QLatin1String(within))
            scope = top->findChild<QWidget*>(QLatin1String(within));
        if (!scope)
            continue;
        if (T* w = scope->findChild<T*>(QLatin1String(name)))
            return w;
    }
    return nullptr;
}

bool envOn(const char* name)
{
    return qgetenv(name) == "1";
}
} // namespace

BenchHelper::BenchHelper()
{
    std::memset(&m_info, 0, sizeof(m_info));
    m_info.handle = this;
    std::strcpy(m_info.name, BenchFormat::kName);
    std::strcpy(m_info.description, BenchFormat::kName);
    m_info.kind = KVZ_KIND_FORMAT;
}

void BenchHelper::initialize(KvzHostCallback callback, void* core)
{
    m_callback = callback;
    m_core = core;
}

void BenchHelper::writeStatus(const QByteArray& text) const
{
    const QString path = QString::fromLocal8Bit(qgetenv(BenchEnv::kStatus));
    if (path.isEmpty())
        return;
    QFile file(path + QStringLiteral(".part"));
    if (file.open(QIODevice::WriteOnly)) {
        file.write(text);
        file.close();
        QFile::remove(path);
        file.rename(path);
    }
}

void BenchHelper::slot_timeout_Start()
{
    auto* port = findWidget<QSpinBox>("spinBox_Port", "KVZB_FormServerSettingsClass");
    auto* start = findWidget<QAbstractButton>("pushButton_StartStop");
    auto* raw = findWidget<QCheckBox>("checkBox_Packet");
    auto* parse = findWidget<QCheckBox>("checkBox_Tmi");
    if (!port || !start || !raw || !parse) {
        if (++m_startTries < 100) {
            QTimer::singleShot(100, this, &BenchHelper::slot_timeout_Start);
            return;
        }
        writeStatus("error the port spin box, the Start button or the log check boxes are missing\n");
        return;
    }
    const int wanted = qEnvironmentVariableIntValue(BenchEnv::kPort);
    port->setValue(wanted);
    raw->setChecked(envOn(BenchEnv::kRawLog));
    parse->setChecked(envOn(BenchEnv::kParseLog));
    start->click();  // pressed(), as a user's press
    if (port->value() != wanted) {
        writeStatus("error the port spin box did not take " + QByteArray::number(wanted) + "\n");
        return;
    }
    writeStatus("started " + QByteArray::number(wanted) + "\n");
}

void BenchHelper::recordNumber(const CEvent_Packet* packet, int32_t* out)
{
    if (!out)
        return;
    *out = 0;
    if (packet && packet->size >= BenchFormat::kNumberOffset + 4)
        std::memcpy(out, packet->data + BenchFormat::kNumberOffset, 4);
}

void BenchHelper::handlePacket(const TransportPacket* packet, KvzPacketOut* out)
{
    if (!packet || !out)
        return;
    const int record = packet->payloadOffset();
    uint32_t number = 0;
    if (packet->type == PT_RECORD && packet->validLength() >= record + BenchFormat::kNumberOffset + 4)
        std::memcpy(&number, packet->data + record + BenchFormat::kNumberOffset, 4);
    m_text = "BENCH record " + QByteArray::number(number);
    out->textLength = m_text.size();
    out->text = m_text.data();
}

void BenchHelper::receiveMessage(int code, void* data, void* out)
{
    switch (code) {
    case MSG_WINDOW_READY:
        // The window's widgets are all there once the event loop runs. Without
        // a port (a test that steers velkor itself) it only serves its format.
        if (!qEnvironmentVariableIsEmpty(BenchEnv::kPort))
            QTimer::singleShot(0, this, &BenchHelper::slot_timeout_Start);
        break;
    case MSG_FORMAT_NUMBER:
        if (data) *static_cast<int32_t*>(data) = BenchFormat::kNumber;
        break;
    case MSG_RECORD_SIZE:
        if (data) *static_cast<int32_t*>(data) = BenchFormat::kRecordSize;
        break;
    case MSG_NUMBER_OFFSET:
        if (data) *static_cast<int32_t*>(data) = BenchFormat::kNumberOffset;
        break;
    case MSG_RECORD_NUMBER:
        recordNumber(static_cast<const CEvent_Packet*>(data), static_cast<int32_t*>(out));
        break;
    case MSG_SESSION_PACKET:
        handlePacket(static_cast<const TransportPacket*>(data), static_cast<KvzPacketOut*>(out));
        break;
    default:
        break;  // the field table stays zero; sessions need no state
    }
}
