#include "kvz_mainwindow_form.h"

#include "kvz_logview.h"

#include <QDockWidget>
#include <QFrame>
#include <QGridLayout>
#include <QHeaderView>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QSpacerItem>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

QDockWidget* KVZ_MainWindowForm::makeDock(QMainWindow* window, const char* name, const char* contentsName,
                                          const char* layoutName, QWidget*& contents, QGridLayout*& layout)
{
    QDockWidget* dock = new QDockWidget(window);
    dock->setObjectName(QLatin1String(name));
    dock->setFeatures(QDockWidget::DockWidgetMovable);
    contents = new QWidget();
    contents->setObjectName(QLatin1String(contentsName));
    layout = new QGridLayout(contents);
    layout->setSpacing(6);
    layout->setObjectName(QLatin1String(layoutName));
    dock->setWidget(contents);
    return dock;
}

QFrame* KVZ_MainWindowForm::makeFrame(QWidget* parent, const char* name, bool sunken)
{
    QFrame* f = new QFrame(parent);
    f->setObjectName(QLatin1String(name));
    f->setFrameShape(QFrame::StyledPanel);
    f->setFrameShadow(sunken ? QFrame::Sunken : QFrame::Raised);
    return f;
}

void KVZ_MainWindowForm::setupUi(QMainWindow* window)
{
    if (window->objectName().isEmpty())
        window->setObjectName(QStringLiteral("KVZ_MainWindowClass"));
    window->resize(997, 671);
    window->setDocumentMode(true);
    window->setDockOptions(QMainWindow::AnimatedDocks | QMainWindow::AllowNestedDocks | QMainWindow::AllowTabbedDocks);
    window->setUnifiedTitleAndToolBarOnMac(false);

    centralWidget = new QWidget(window);
    centralWidget->setObjectName(QStringLiteral("centralWidget"));
    gridLayout = new QGridLayout(centralWidget);
    gridLayout->setSpacing(6);
    gridLayout->setObjectName(QStringLiteral("gridLayout"));
    treeWidget = new QTreeWidget(centralWidget);
    treeWidget->setObjectName(QStringLiteral("treeWidget"));
    treeWidget->setColumnCount(7);
    treeWidget->setSortingEnabled(true);
    treeWidget->setWordWrap(true);
    // Rows are one line of short texts: a row's height is not measured again
    // each time one of its counters changes.
    treeWidget->setUniformRowHeights(true);
    treeWidget->setAllColumnsShowFocus(false);
    treeWidget->header()->setCascadingSectionResizes(true);
    treeWidget->setAutoFillBackground(true);
    gridLayout->addWidget(treeWidget, 0, 0, 1, 1);
    window->setCentralWidget(centralWidget);

    menuBar = new QMenuBar(window);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    menuBar->setGeometry(QRect(0, 0, 997, 20));
    window->setMenuBar(menuBar);
    mainToolBar = new QToolBar(window);
    mainToolBar->setObjectName(QStringLiteral("mainToolBar"));
    window->addToolBar(Qt::TopToolBarArea, mainToolBar);
    statusBar = new QStatusBar(window);
    statusBar->setObjectName(QStringLiteral("statusBar"));
    window->setStatusBar(statusBar);

    // Properties: the stack of format pages.
    dockWidget_Property = makeDock(window, "dockWidget_Property", "dockWidgetContents", "gridLayout_2",
                                   dockWidgetContents, gridLayout_2);
    dockWidget_Property->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    frame_3 = makeFrame(dockWidgetContents, "frame_3", true);
    frame_3->setAutoFillBackground(true);
    gridLayout_7 = new QGridLayout(frame_3);
    gridLayout_7->setObjectName(QStringLiteral("gridLayout_7"));
    stackedWidget_Property = new QStackedWidget(frame_3);
    stackedWidget_Property->setObjectName(QStringLiteral("stackedWidget_Property"));
    stackedWidget_Property->setFrameShape(QFrame::NoFrame);
    stackedWidget_Property->setAutoFillBackground(true);
    gridLayout_7->addWidget(stackedWidget_Property, 0, 0, 1, 1);
    gridLayout_2->addWidget(frame_3, 0, 0, 1, 1);
    window->addDockWidget(Qt::RightDockWidgetArea, dockWidget_Property);

    // Log.
    dockWidget_Log = makeDock(window, "dockWidget_Log", "dockWidgetContents_2", "gridLayout_3",
                              dockWidgetContents_2, gridLayout_3);
    dockWidget_Log->setAllowedAreas(Qt::AllDockWidgetAreas);
    textEdit_Log = new KvzLogView(dockWidgetContents_2);
    textEdit_Log->setObjectName(QStringLiteral("textEdit_Log"));
    textEdit_Log->setAutoFillBackground(true);
    gridLayout_3->addWidget(textEdit_Log, 0, 0, 1, 1);
    window->addDockWidget(Qt::BottomDockWidgetArea, dockWidget_Log);

    // Settings: the transports' widgets and Start/Stop.
    dockWidget_Settings = makeDock(window, "dockWidget_Settings", "dockWidgetContents_3", "gridLayout_4",
                                   dockWidgetContents_3, gridLayout_4);
    dockWidget_Settings->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    frame = makeFrame(dockWidgetContents_3, "frame", true);
    frame->setAutoFillBackground(true);
    gridLayout_5 = new QGridLayout(frame);
    gridLayout_5->setObjectName(QStringLiteral("gridLayout_5"));
    gridLayout_5->setContentsMargins(11, 11, 11, 11);
    verticalLayout_Transports = new QVBoxLayout();
    verticalLayout_Transports->setSpacing(6);
    verticalLayout_Transports->setObjectName(QStringLiteral("verticalLayout_Transports"));
    gridLayout_5->addLayout(verticalLayout_Transports, 0, 0, 1, 2);
    frame_2 = makeFrame(frame, "frame_2", false);
    gridLayout_6 = new QGridLayout(frame_2);
    gridLayout_6->setObjectName(QStringLiteral("gridLayout_6"));
    pushButton_StartStop = new QPushButton(frame_2);
    pushButton_StartStop->setObjectName(QStringLiteral("pushButton_StartStop"));
    pushButton_StartStop->setFixedWidth(100);
    gridLayout_6->addWidget(pushButton_StartStop, 0, 0, 1, 1);
    gridLayout_5->addWidget(frame_2, 1, 0, 1, 2);
    gridLayout_5->addItem(new QSpacerItem(20, 40, QSizePolicy::Minimum, QSizePolicy::Expanding), 2, 0, 1, 1);
    gridLayout_4->addWidget(frame, 0, 0, 1, 1);
    window->addDockWidget(Qt::LeftDockWidgetArea, dockWidget_Settings);

    retranslateUi(window);
}

void KVZ_MainWindowForm::retranslateUi(QMainWindow* window)
{
    window->setWindowTitle(QStringLiteral("Marvane_MainWindow"));
    QTreeWidgetItem* header = treeWidget->headerItem();
    header->setText(0, QStringLiteral("ID объекта"));
    header->setText(1, QStringLiteral("IMEI"));
    header->setText(2, QStringLiteral("Format"));
    header->setText(3, QStringLiteral("Принято"));
    header->setText(4, QStringLiteral("Отправлено"));
    header->setText(5, QStringLiteral("Last time"));
    header->setText(6, QStringLiteral("Data"));
    dockWidget_Property->setWindowTitle(QStringLiteral("Свойства"));
    dockWidget_Log->setWindowTitle(QStringLiteral("Лог"));
    dockWidget_Settings->setWindowTitle(QStringLiteral("Настройки"));
    pushButton_StartStop->setText(QStringLiteral("Старт"));
}
