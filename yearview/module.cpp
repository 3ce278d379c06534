// SPDX-License-Identifier: GPL-3.0-or-later
// The loadable module of the year overview: the main window finds it with
// QPluginLoader when the overview is first asked for.
#include <QObject>

#include "yearview/frmAasta.h"
#include "yearview/yearview.h"

class YearOverviewPlugin : public QObject, public yearview::YearOverviewModule
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID VorandelYearOverviewModule_iid)
    Q_INTERFACES(yearview::YearOverviewModule)

public:
    QWidget *showOverview(QWidget *owner, const yearview::YearRequest &request) override
    {
        return yearview::showOverview(owner, request);
    }
};

#include "module.moc"
