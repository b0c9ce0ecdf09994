// Widget tree of the main window. The saved window state refers to the docks
// and the tool bar by these object names.
#ifndef KVZ_MAINWINDOW_FORM_H
#define KVZ_MAINWINDOW_FORM_H

class QDockWidget;
class QFrame;
class QGridLayout;
class QMainWindow;
class QMenuBar;
class QPushButton;
class QStackedWidget;
class QStatusBar;
class KvzLogView;
class QToolBar;
class QTreeWidget;
class QVBoxLayout;
class QWidget;

class KVZ_MainWindowForm
{
public:
    void setupUi(QMainWindow* window);
    void retranslateUi(QMainWindow* window);

    QWidget* centralWidget = nullptr;
    QGridLayout* gridLayout = nullptr;
    QTreeWidget* treeWidget = nullptr;
    QMenuBar* menuBar = nullptr;
    QToolBar* mainToolBar = nullptr;
    QStatusBar* statusBar = nullptr;

    QDockWidget* dockWidget_Property = nullptr;
    QWidget* dockWidgetContents = nullptr;
    QGridLayout* gridLayout_2 = nullptr;
    QFrame* frame_3 = nullptr;
    QGridLayout* gridLayout_7 = nullptr;
    QStackedWidget* stackedWidget_Property = nullptr;

    QDockWidget* dockWidget_Log = nullptr;
    QWidget* dockWidgetContents_2 = nullptr;
    QGridLayout* gridLayout_3 = nullptr;
    KvzLogView* textEdit_Log = nullptr;

    QDockWidget* dockWidget_Settings = nullptr;
    QWidget* dockWidgetContents_3 = nullptr;
    QGridLayout* gridLayout_4 = nullptr;
    QFrame* frame = nullptr;
    QGridLayout* gridLayout_5 = nullptr;
    QVBoxLayout* verticalLayout_Transports = nullptr;
    QFrame* frame_2 = nullptr;
    QGridLayout* gridLayout_6 = nullptr;
    QPushButton* pushButton_StartStop = nullptr;

private:
    static QDockWidget* makeDock(QMainWindow* window, const char* name, const char* contentsName,
                                 const char* layoutName, QWidget*& contents, QGridLayout*& layout);
    static QFrame* makeFrame(QWidget* parent, const char* name, bool sunken);
};

#endif // KVZ_MAINWINDOW_FORM_H
