#pragma once
#include <QDate>
#include <QTime>

// The private messages of the main window. Their numbers stay fixed: other copies of the
// program and the senders of older versions know them by number.
enum class MainMessage : int {
    TrayNotify = 1025,
    DbChanged = 1125,
    ParamHandOver = 1175,
    StartOverview = 1176,
    BrowseRange = 1225,
    BrowseRange2 = 1226,
    EventEditor = 1228,
    AddressSpecEditor = 1229,
    CarEditor = 1230,
    UserEditor = 1232,
    UserGroupEditor = 1233,
    AddressCategoryEditor = 1234,
    AddressEditor = 1235,
    TaskEditor = 1236,
    JuEditor = 1245,
    CalendarCategoryEditor = 1255,
    GenericEditor = 1525,
};

// lParam of EventEditor: a new event on the date without a time, or the event with that key.
constexpr qint64 kNewEventWithoutTime = -12;
constexpr qint64 kExistingEvent = -11;

// The editor messages as calls. Views, lists and editors never open an editor themselves; they
// ask the main window through these, and it returns once the editor is shown.
class EditorSwitchboard {
public:
    virtual ~EditorSwitchboard() = default;
    virtual void ShowBrowseRange(const QDate &from, const QDate &to) = 0;         // 1225, 1226
    virtual void OpenNewEvent(const QDate &date, const QTime &time) = 0;          // 1228, date, time (null: none)
    virtual void OpenEvent(int key) = 0;                                          // 1228, key, -11
    virtual void OpenAddressSpec(int key) = 0;                                    // 1229
    virtual void OpenCar(int key) = 0;                                            // 1230
    virtual void OpenUser(int key) = 0;                                           // 1232
    virtual void OpenUserGroup(int key) = 0;                                      // 1233
    virtual void OpenAddressCategory(int key) = 0;                                // 1234
    virtual void OpenAddress(int key) = 0;                                        // 1235
    virtual void OpenTask(int key) = 0;                                           // 1236
    virtual void OpenJu(int key) = 0;                                             // 1245
    virtual void OpenCalendarCategory(int key) = 0;                               // 1255
    virtual void OpenGenericEditor(int key, int editDefinition) = 0;              // 1525
};

// Turns a message in its numbered form into the call. Dates travel as yyyymmdd; the time of a
// new event as seconds after midnight. False for a number that is not an editor message.
bool DispatchEditorMessage(EditorSwitchboard &board, int number, qint64 wParam, qint64 lParam);
QDate DateFromYyyymmdd(qint64 value);
