#pragma once
// Generate files as it was before deployments were made all or nothing: the same display
// files, after the backup of the display folder, written straight into the target folder (each file
// beside its target and renamed into place), with no staging folder, no read-back, no drawing
// compared and no record. The time a deployment's safety costs is measured against it.

#include "shell/layout_file.h"
#include "generate/display_backup.h"
#include "generate/display_files.h"
#include "generate/generate_fonts.h"
#include "generate/target_folder.h"
#include "platform/files.h"
#include "platform/folders.h"
#include "shell/editor.h"

namespace pw::reference {

inline void GenerateFilesDirectly(Editor& editor) {
    const std::string target = TargetFolder(editor.doc.layout.InputSpec);
    ProgressSteps steps(NoProgress(), 0);
    const PreparedDisplay prepared =
        PrepareDisplayFiles(editor.textEngine, editor.doc.layout, editor.doc.images.ImageList, steps);
    // The backup as it was made, the user answering Yes.
    if (FolderExists(kBackupFolder) && FolderExists(kDisplayFolder)) {
        DeleteFilesIn(kBackupFolder);
        RemoveEmptyFolder(kBackupFolder);
    }
    if (FolderExists(kDisplayFolder) && !FolderExists(kBackupFolder) &&
        VisibleSubFolders(kDisplayFolder) == 0)
        MoveFolder(kDisplayFolder, kBackupFolder);
    CreateFolders(target);
    DeleteFilesIn(target);
    for (const DisplayFile& file : prepared.files)
        WriteFileAtomically(target + file.name, file.bytes);
    if (!editor.doc.LayoutFileName.empty()) SaveLayout(editor.doc, editor.doc.LayoutFileName);
}

} // namespace pw::reference
