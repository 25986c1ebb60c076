#pragma once
#include "app/core/categorystrip.h"
#include "app/core/editorpool.h"
#include "app/core/mainmessages.h"
#include "app/core/panels.h"
#include "app/core/programentry.h"
#include "data/configuration.h"
#include "localisation/widgets/formlokalizace.h"

#include <QFrame>
#include <QMainWindow>
#include <QPointer>

#include <map>
#include <memory>

class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QScrollArea;
class QStatusBar;
class QSystemTrayIcon;
class QTimer;
class QToolBar;
class QToolBox;
class QVBoxLayout;
class ClockWatch;
class IniFile;
class LoginUi;
class SingleInstance;
class StartupController;
class DatabaseStartupServices;
class TFormOptions;
class TForm_Jazyk;
class TForm_PasswordMD5;
class TSQLDATA;
class TFrameStringGrid;

// A view of the work area whose own window comes with a later part of the program: it carries
// the view's name and says so. Counts its refreshes, which is what the main window asks of it.
class TFrameWorkView : public QFrame {
    Q_OBJECT
public:
    TFrameWorkView(const QString &viewName, const QString &title, QWidget *parent = nullptr);
    void setTitle(const QString &title);
    void setDetail(const QString &detail);
    virtual void refresh();
    int refreshCount() const { return m_refreshes; }
    QString viewName() const { return m_viewName; }
    // Shows content in place of the name and the notice (null: the notice again).
    void setContent(QWidget *content);

private:
    QString m_viewName;
    QWidget *m_notice;
    QWidget *m_content = nullptr;
    QLabel *m_title;
    QLabel *m_detail;
    int m_refreshes = 0;
};

// The main window: tool bar, navigation bar, the work area with one view at a time, the
// category strip, the menus, the tray icon, the timers and the switchboard of editors.
class Tmainform : public TFormLokalizace<QMainWindow>, public EditorSwitchboard {
    Q_OBJECT
public:
    // Builds the window; nothing reaches the database until Start().
    explicit Tmainform(QWidget *parent = nullptr);
    ~Tmainform() override;

    // Start-up: configuration, connection (creating the database on the first run), schema
    // gate, log-in, the work area, tray icon and timers. False when no user is logged in: the
    // program then ends. programPath names the configuration file (its path with ".ini").
    bool Start(const QString &programPath, const StartupCommand &command, LoginUi &loginUi, SingleInstance *instance);
    // The orderly end: settings, record locks, log-out, disconnect. Runs once.
    void Shutdown();

    // The view switch: hides every view, shows the one for name (a fixed view or the name of a
    // browse definition) with the category strip it needs.
    void ShowPanel(const QString &name, const QString &condition = {});
    QString CurrentPanel() const { return m_currentPanel; }

    // 1125: another station (or this one) changed the database.
    void DbChanged();
    // 1175: a parameter waits in the hand-over file (text as read; ok false when unreadable).
    void ParamHandOver(const QString &text, bool ok);
    // 1176: the events overview at start, as the user's settings say.
    void StartOverview();

    // The editor messages.
    void ShowBrowseRange(const QDate &from, const QDate &to) override;
    void OpenNewEvent(const QDate &date, const QTime &time) override;
    void OpenEvent(int key) override;
    void OpenAddressSpec(int key) override;
    void OpenCar(int key) override;
    void OpenUser(int key) override;
    void OpenUserGroup(int key) override;
    void OpenAddressCategory(int key) override;
    void OpenAddress(int key) override;
    void OpenTask(int key) override;
    void OpenJu(int key) override;
    void OpenCalendarCategory(int key) override;
    void OpenGenericEditor(int key, int editDefinition) override;

    // The pooled editor kinds; the parts that build the editors register their factories.
    enum class EditorKind { Event, Address, Task, Note, Ju, Overview };
    void RegisterEditorFactory(EditorKind kind, EditorPool::Factory factory);

    // The navigation page shown (its object name), and the one for a stored page key.
    QString CurrentPage() const;
    void SelectPageByKey(const QString &key);

    // What a test or the category strip needs to see.
    TFrameWorkView *View(ViewKind kind) const;
    TFrameWorkView *BrowseGrid() const { return m_grid; }
    TFrameStringGrid *StringGrid() const { return m_stringGrid; }
    QList<QWidget *> WorkViews() const;
    const CategoryStripState &CategoryStrip() const { return m_strip; }
    void SetCategoryStrip(const CategoryStripState &state);
    void SetCategoryChecked(int index, bool checked);
    void BulkCategoryChange(CategoryStripState::Bulk change);
    const Configuration &Config() const { return m_config; }
    // Applies the page visibility of a configuration (tests; Start does it from the file).
    void ApplyConfiguration(const Configuration &config);

    QToolBar *JvSpeedBar1 = nullptr;
    QToolBox *JvLookOut1 = nullptr;
    QWidget *Panel1 = nullptr;
    QScrollArea *Panel2 = nullptr;
    QWidget *Panel_kategorie = nullptr;
    QStatusBar *StatusBar1 = nullptr;
    QMenu *PopupMenu1 = nullptr, *PopupMenuKategorie = nullptr, *PopupMenu_JF = nullptr;
    QMenu *menu_Special = nullptr, *Menu_Tools = nullptr, *Menu_Options = nullptr, *Menu_Help = nullptr;
    QTimer *Timer1 = nullptr, *Timer_ZIVOT = nullptr, *TimerJU = nullptr, *Timer_POZADI = nullptr;
    QAction *Adressar = nullptr, *Calendar = nullptr, *Month = nullptr, *Schedule = nullptr, *Year = nullptr,
            *Notes = nullptr, *CalendarNewItem = nullptr, *AdressarNew = nullptr, *ScheduleNew = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool event(QEvent *event) override;

private:
    void buildActions();
    void buildToolBar();
    void buildNavigation();
    void buildWorkArea();
    void buildMenus();
    void buildTray();
    void buildTimers();
    QWidget *addPage(const char *name, const QString &caption);
    void addNavButton(QWidget *page, const char *name, const QString &caption, std::function<void()> does, bool hidden = false);
    void addNavPanelButton(QWidget *page, const char *name, const QString &caption, const QString &panel);
    QAction *addMenuItem(QMenu *menu, const char *name, const QString &caption, std::function<void()> does);
    void addUnavailableItem(QMenu *menu, const char *name, const QString &caption);
    void setPageVisible(const QString &pageName, bool visible);
    void rebuildCategoryStrip(CategoryStripState::Kind kind);
    void layoutCategoryBoxes();
    void categoryChanged();
    void refreshStripViews();
    void describeCalendarViews();
    bool openList(const QString &name, const QString &condition);
    void storeCategorySelection();
    void applyAdministratorRights();
    void keepOnScreen();
    void firstActivation();
    void onActivated();
    void bringToFront();
    void timer1Tick();
    void heartbeat();
    void openPooled(EditorKind kind, const QString &lockTable, const EditorRequest &request, const QString &what);
    void notAvailable(const QString &what);
    void toggleBookDrive();
    void runAtStartup(bool on);
    void associateExtension();
    void showOptions();
    void showLanguage();
    void showPasswordGenerator();
    void showAbout();
    void showCalculator();
    void scrambleText();
    void openHelp();
    void openWebPage(const QString &path);

    Configuration m_config;
    std::unique_ptr<IniFile> m_ini;
    QString m_programPath;
    std::unique_ptr<TSQLDATA> m_db;
    std::unique_ptr<DatabaseStartupServices> m_services;
    std::unique_ptr<StartupController> m_controller;
    std::unique_ptr<ClockWatch> m_clockWatch;
    QPointer<SingleInstance> m_instance;
    bool m_started = false;
    bool m_shutDown = false;
    bool m_paramPending = false;
    bool m_firstActivationDone = false;

    std::map<ViewKind, TFrameWorkView *> m_views;
    TFrameWorkView *m_grid = nullptr;
    TFrameStringGrid *m_stringGrid = nullptr;
    QVBoxLayout *m_workLayout = nullptr;
    QString m_currentPanel;
    QList<QWidget *> m_pages;  // every navigation page in its order, shown or not
    std::map<QString, QString> m_pageCaptions;

    CategoryStripState m_strip;
    QList<QCheckBox *> m_boxes;
    bool m_bulkChange = false;

    std::map<EditorKind, std::unique_ptr<EditorPool>> m_pools;
    QSystemTrayIcon *m_tray = nullptr;
    QWidget *m_about = nullptr;
    QWidget *m_calculator = nullptr;
    TFormOptions *m_options = nullptr;
    TForm_Jazyk *m_language = nullptr;
    TForm_PasswordMD5 *m_passwordGenerator = nullptr;
    QDate m_browseFrom, m_browseTo;
};
