#include "cmo_formkit.h"

#include <QFont>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>

// The pictures live in this static library; each plug-in that links it
// registers its own copy the first time a group is built.
static void initPictures()
{
    static bool done = false;
    if (!done) {
        Q_INIT_RESOURCE(formprops);
        done = true;
    }
}

QString CMO_FormKit::formPicture(const QByteArray& name)
{
    return QStringLiteral(":/Images/Resources/images/") + QLatin1String(name) + QStringLiteral(".png");
}

QString CMO_FormKit::codePicture(const QByteArray& name)
{
    return QStringLiteral(":Images/Resources/images/") + QLatin1String(name) + QStringLiteral(".png");
}

void CMO_FormKit::prepareForm(QWidget* form, const char* className, int width, int height,
                              const char* objectName)
{
    initPictures();
    if (form->objectName().isEmpty())
        form->setObjectName(objectName ? QString::fromLatin1(objectName)
                                       : QString::fromLatin1(className) + QStringLiteral("Class"));
    form->resize(width, height);
    form->setWindowTitle(QString::fromLatin1(className));
}

QGridLayout* CMO_FormKit::grid(QWidget* parent, const QByteArray& name, int spacing)
{
    auto* layout = new QGridLayout(parent);
    layout->setObjectName(QString::fromLatin1(name));
    layout->setSpacing(spacing);
    layout->setContentsMargins(0, 0, 0, 0);
    return layout;
}

QLabel* CMO_FormKit::lamp(QWidget* parent, const QByteArray& name, const char* picture)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    label->setFixedSize(18, 18);
    label->setScaledContents(true);
    label->setAlignment(Qt::AlignCenter);
    label->setPixmap(QPixmap(formPicture(picture)));
    return label;
}

QLabel* CMO_FormKit::caption(QWidget* parent, const QByteArray& name, int fixedWidth)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    QFont font = label->font();
    font.setBold(true);
    font.setWeight(75);
    label->setFont(font);
    if (fixedWidth > 0) {
        label->setMinimumSize(fixedWidth, 0);
        label->setMaximumSize(fixedWidth, 16777215);
    }
    return label;
}

QLabel* CMO_FormKit::value(QWidget* parent, const QByteArray& name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    // Values are shown as given: a terminal name such as "<b>x" is text,
    // never markup.
    label->setTextFormat(Qt::PlainText);
    return label;
}

QPushButton* CMO_FormKit::commandButton(QWidget* parent, const QByteArray& name, const char* picture,
                                        bool iconSize20)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setFixedSize(20, 20);
    button->setIcon(QIcon(formPicture(picture)));
    if (iconSize20)
        button->setIconSize(QSize(20, 20));
    return button;
}

QFrame* CMO_FormKit::raisedFrame(QWidget* parent, const QByteArray& name, QGridLayout** layout,
                                 const QByteArray& layoutName, int spacing)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Raised);
    *layout = grid(frame, layoutName, spacing);
    return frame;
}

void CMO_FormKit::showPicture(QLabel* label, const QString& path)
{
    label->setPixmap(QPixmap(path));
}

void CMO_FormKit::showFlag(QLabel* lamp, QLabel* text, int flag,
                           const char* normalPicture, const QString& normalWord,
                           const char* otherPicture, const QString& otherWord)
{
    showPicture(lamp, codePicture(flag == 0 ? normalPicture : otherPicture));
    text->setText(flag == 0 ? normalWord : otherWord);
}

CMO_FormKit::Row CMO_FormKit::addRow(QWidget* parent, QGridLayout* grid, int gridRow,
                                     const QByteArray& iconName, const QByteArray& captionName,
                                     const QByteArray& textName, const char* picture, int captionWidth)
{
    Row row;
    row.icon = lamp(parent, iconName, picture);
    row.caption = caption(parent, captionName, captionWidth);
    row.text = value(parent, textName);
    grid->addWidget(row.icon, gridRow, 0);
    grid->addWidget(row.caption, gridRow, 1);
    grid->addWidget(row.text, gridRow, 2);
    return row;
}

void CMO_FormKit::addLockButtons(Row& row, QWidget* parent, QGridLayout* grid, int gridRow,
                                 const QByteArray& suffix, bool offIcon20)
{
    row.on = commandButton(parent, "pushButton_ON_" + suffix, "Unlock");
    row.off = commandButton(parent, "pushButton_OFF_" + suffix, "Lock", offIcon20);
    grid->addWidget(row.on, gridRow, 3);
    grid->addWidget(row.off, gridRow, 4);
}

void CMO_FormKit::setLockTooltips(const Row& row)
{
    row.on->setToolTip(QStringLiteral("Разблокировать входную линию"));
    row.off->setToolTip(QStringLiteral("Заблокировать входную линию"));
}

void CMO_FormKit::showRowState(const Row& row, bool withButtons, bool visible)
{
    row.icon->setVisible(visible);
    row.caption->setVisible(visible);
    row.text->setVisible(visible);
    row.on->setVisible(withButtons && visible);
    row.off->setVisible(withButtons && visible);
}

void CMO_FormKit::showLamp(const Row& row, int flag, const QString& normalWord, const QString& otherWord)
{
    showFlag(row.icon, row.text, flag, "greenLamp", normalWord, "redLamp", otherWord);
}

QString CMO_FormKit::voltText(int millivolts)
{
    return QString::asprintf("%.1f", millivolts / 1000.0) + QStringLiteral(" В");
}
