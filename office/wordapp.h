#pragma once

#include "office/document.h"

#include <QString>
#include <memory>
#include <vector>

namespace office {

/// The session that stands in for the Word application: one per document batch. It owns the
/// documents it made or opened; those not closed are released with it.
class WordApp {
public:
    WordApp();
    ~WordApp();
    WordApp(const WordApp &) = delete;
    WordApp &operator=(const WordApp &) = delete;

    /// A new document from the template (.dotx) at `templatePath`; it becomes the active
    /// document. Throws office::Error naming the path when the template is missing or is not a
    /// Word package.
    Document &Documents_Add(const QString &templatePath);
    /// Opens the document file (.docx) at `path`; it becomes the active document. Throws
    /// office::Error naming the path when it cannot be read as a Word package.
    Document &Documents_Open(const QString &path);
    /// The document made or opened last and not closed; null when there is none.
    Document *ActiveDocument() const;
    int Documents_Count() const;

    /// Prints the pages `pages` ("2", "1-3") of the document file `fileName` in `copies`
    /// collated copies (at least one) through the desktop. Throws office::PrintError naming the
    /// file and why when it could not be printed.
    void PrintOut(const QString &fileName, const QString &pages, int copies);

    /// Where documents saved under a bare name go (the user's documents folder at first).
    QString DefaultFolder() const;
    void SetDefaultFolder(const QString &folder);
    /// Where documents left open under a bare name are kept for the operator, as Word keeps an
    /// unsaved document (DefaultWorkFolder() at first; made when needed).
    QString WorkFolder() const;
    void SetWorkFolder(const QString &folder);
    /// The work folder of a new session: Documents in the operator's data folder
    /// (QStandardPaths::AppDataLocation, ~/.local/share/zova/Documents), which outlives a restart;
    /// the temporary folder only when there is no data folder.
    static QString DefaultWorkFolder();

private:
    friend class Document;
    Document &adopt(std::unique_ptr<Document> doc);
    void close(Document *doc);

    std::vector<std::unique_ptr<Document>> m_documents;
    QString m_defaultFolder;
    QString m_workFolder;
};

} // namespace office
