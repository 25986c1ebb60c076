#include "mainmessages.h"

QDate DateFromYyyymmdd(qint64 value) { return QDate(int(value / 10000), int(value / 100 % 100), int(value % 100)); }

bool DispatchEditorMessage(EditorSwitchboard &board, int number, qint64 wParam, qint64 lParam) {
    const int key = int(wParam);
    switch (MainMessage(number)) {
    case MainMessage::BrowseRange:
    case MainMessage::BrowseRange2:
        board.ShowBrowseRange(DateFromYyyymmdd(wParam), DateFromYyyymmdd(lParam));
        return true;
    case MainMessage::EventEditor:
        if (lParam == kExistingEvent)
            board.OpenEvent(key);
        else if (lParam == kNewEventWithoutTime)
            board.OpenNewEvent(DateFromYyyymmdd(wParam), QTime());
        else
            board.OpenNewEvent(DateFromYyyymmdd(wParam), QTime(0, 0).addSecs(int(lParam)));
        return true;
    case MainMessage::AddressSpecEditor: board.OpenAddressSpec(key); return true;
    case MainMessage::CarEditor: board.OpenCar(key); return true;
    case MainMessage::UserEditor: board.OpenUser(key); return true;
    case MainMessage::UserGroupEditor: board.OpenUserGroup(key); return true;
    case MainMessage::AddressCategoryEditor: board.OpenAddressCategory(key); return true;
    case MainMessage::AddressEditor: board.OpenAddress(key); return true;
    case MainMessage::TaskEditor: board.OpenTask(key); return true;
    case MainMessage::JuEditor: board.OpenJu(key); return true;
    case MainMessage::CalendarCategoryEditor: board.OpenCalendarCategory(key); return true;
    case MainMessage::GenericEditor: board.OpenGenericEditor(key, int(lParam)); return true;
    default: return false;
    }
}
