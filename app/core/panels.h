#pragma once
#include <QString>

// The views of the work area and what ShowPanel does for each name.
enum class ViewKind { Month, Year, Memo, BrowsePanel, TripEntry, GoodsReceipt, InvoiceIssue, Notes, List };

enum class StripMode { Hidden, Calendar, Address, Unchanged };

struct PanelSpec {
    ViewKind view = ViewKind::List;
    StripMode strip = StripMode::Hidden;
    // Only these lists receive the extra condition of the caller.
    bool passCondition = false;
    // The grid stays hidden when the definition reports that it was not shown.
    bool hideWhenNotShown = false;
};

// Any name that is not one of the fixed views is the name of a browse definition.
PanelSpec DescribePanel(const QString &name);

// Navigation pages and the keys under which the open one is stored in the user settings.
// Empty for an unknown key or page.
QString PageForKey(const QString &key);
QString KeyForPage(const QString &pageName);
