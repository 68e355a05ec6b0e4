#pragma once
#include <QString>

class CTesseraView;

// The site commands of the design view: export, preview in the default browser,
// the export folder and the sitemap. Each acts on the view's document.
void ExportSiteCommand(CTesseraView* view);
void PreviewSiteCommand(CTesseraView* view);
void SetExportDirectoryCommand(CTesseraView* view);
void GenerateSitemapCommand(CTesseraView* view);
void DumpSharedObjects(CTesseraView* view);

// The folder export proposes: the site's "export-directory", or the user's
// documents folder joined with the site's name.
QString ExportDirectoryOfView(CTesseraView* view);
// The scratch folder of the preview: the temporary folder joined with "Quillora".
QString PreviewDirectoryPath();
// Where an opened folder or file goes; tests replace it to keep windows closed.
extern void (*openWithDefaultHandler)(const QString& path);
