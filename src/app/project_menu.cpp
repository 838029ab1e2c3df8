// SPDX-License-Identifier: MIT

#include "app/project_menu.h"

#include "app/project_session.h"

namespace pali {

namespace {

void EditProjectData(ProjectSession& session, MenuFrontEnd& frontEnd)
{
    const ProjectData shown = session.projectDataToShow(frontEnd.today());
    if (const auto confirmed = frontEnd.askProjectData(shown)) {
        session.projectDataConfirmed(shown, *confirmed);
    }
}

}  // namespace

void RunMenuCommand(MenuCommand command, ProjectSession& session, MenuFrontEnd& frontEnd)
{
    switch (command) {
    case MenuCommand::New: session.newProject(); return;
    case MenuCommand::Open: session.open(); return;
    case MenuCommand::Save: session.save(); return;
    case MenuCommand::SaveAs: session.saveAs(); return;
    case MenuCommand::ProjectData: EditProjectData(session, frontEnd); return;
    case MenuCommand::ExportReport: session.exportReport(); return;
    case MenuCommand::PrintReport: session.printReport(); return;
    case MenuCommand::Print: frontEnd.printWithDialog(); return;
    case MenuCommand::Exit: frontEnd.closeWindow(); return;
    case MenuCommand::Manual: frontEnd.showInstalledDocument(kManualFileName); return;
    case MenuCommand::ValidationReport: frontEnd.showInstalledDocument(kValidationFileName); return;
    case MenuCommand::ValidationCases: session.open(frontEnd.validationCasesFolder()); return;
    case MenuCommand::About: frontEnd.showAbout(); return;
    }
}

}  // namespace pali
