// Building blocks shared by the forms of the property groups: the standard
// lamp, caption, value and command-button labels, picture paths, and the
// few texts that several groups format the same way.
#ifndef CMO_FORMKIT_H
#define CMO_FORMKIT_H

#include <QByteArray>
#include <QString>

class QFrame;
class QGridLayout;
class QLabel;
class QPushButton;
class QWidget;

class CMO_FormKit
{
public:
    // One grid row of a group: lamp, caption and value in columns 0 to 2,
    // and, for input lines, an unlock and a lock button in columns 3, 4.
    struct Row {
        QLabel* icon = nullptr;
        QLabel* caption = nullptr;
        QLabel* text = nullptr;
        QPushButton* on = nullptr;
        QPushButton* off = nullptr;
    };

    // ":/Images/Resources/images/<name>.png", as the forms write it.
    static QString formPicture(const QByteArray& name);
    // ":Images/Resources/images/<name>.png", as the setters write it.
    static QString codePicture(const QByteArray& name);

    // Object name (className + "Class" unless given), initial size and
    // window title of a group widget; makes sure the pictures are loaded.
    static void prepareForm(QWidget* form, const char* className, int width, int height,
                            const char* objectName = nullptr);
    static QGridLayout* grid(QWidget* parent, const QByteArray& name, int spacing = 6);

    // An 18 x 18 picture label, pixmap scaled to fit and centred.
    static QLabel* lamp(QWidget* parent, const QByteArray& name, const char* picture);
    // A bold caption; fixedWidth 0 leaves the width free.
    static QLabel* caption(QWidget* parent, const QByteArray& name, int fixedWidth);
    // A value label; its texts are plain text, never markup.
    static QLabel* value(QWidget* parent, const QByteArray& name);
    // A 20 x 20 button with no text; iconSize20 gives the icon 20 x 20.
    static QPushButton* commandButton(QWidget* parent, const QByteArray& name, const char* picture,
                                      bool iconSize20 = true);
    // A raised styled panel with its own grid layout (margins 0).
    static QFrame* raisedFrame(QWidget* parent, const QByteArray& name, QGridLayout** layout,
                               const QByteArray& layoutName, int spacing = 0);

    // Lamp iconName (picture), caption captionName (captionWidth, 0 free)
    // and value textName in grid row gridRow.
    static Row addRow(QWidget* parent, QGridLayout* grid, int gridRow, const QByteArray& iconName,
                      const QByteArray& captionName, const QByteArray& textName, const char* picture,
                      int captionWidth);
    // pushButton_ON_<suffix> (Unlock) and pushButton_OFF_<suffix> (Lock) in
    // columns 3 and 4; offIcon20 false leaves the lock icon its default size.
    static void addLockButtons(Row& row, QWidget* parent, QGridLayout* grid, int gridRow,
                               const QByteArray& suffix, bool offIcon20 = true);
    static void setLockTooltips(const Row& row);

    // Loads the picture again from its resource path and shows it.
    static void showPicture(QLabel* label, const QString& path);
    // Two-state lamp: 0 normal picture and word, anything else the other.
    static void showFlag(QLabel* lamp, QLabel* text, int flag,
                         const char* normalPicture, const QString& normalWord,
                         const char* otherPicture, const QString& otherWord);

    // A row's labels follow visible; its two buttons show only when both
    // withButtons and visible hold.
    static void showRowState(const Row& row, bool withButtons, bool visible);
    // Two-state lamp of a row: 0 green lamp and normalWord, else red lamp.
    static void showLamp(const Row& row, int flag, const QString& normalWord, const QString& otherWord);

    // Millivolts as volts with one decimal and " В".
    static QString voltText(int millivolts);
};

#endif // CMO_FORMKIT_H
