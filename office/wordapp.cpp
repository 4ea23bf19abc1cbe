#include "office/wordapp.h"

#include "office/document_p.h"
#include "office/error.h"
#include "platform/desktop.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>

namespace office {

WordApp::WordApp()
{
    m_defaultFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (m_defaultFolder.isEmpty())
        m_defaultFolder = QDir::homePath();
    m_workFolder = DefaultWorkFolder();
}

QString WordApp::DefaultWorkFolder()
{
    // A document that nothing could open is the operator's work all the same: it is kept in the
    // operator's data folder (~/.local/share/zova), not in the temporary folder that a restart
    // may empty.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (data.isEmpty())
        return QDir::temp().filePath(QStringLiteral("zova-documents"));
    return QDir(data).filePath(QStringLiteral("Documents"));
}

WordApp::~WordApp() = default;

Document &WordApp::Documents_Add(const QString &templatePath)
{
    if (!QFileInfo(templatePath).isFile())
        throw Error(QStringLiteral("Шаблон не знайдено: %1").arg(templatePath), templatePath);
    std::unique_ptr<DocumentData> data = DocumentData::load(templatePath);
    data->fullName.clear();
    return adopt(std::unique_ptr<Document>(new Document(this, std::move(data))));
}

Document &WordApp::Documents_Open(const QString &path)
{
    std::unique_ptr<DocumentData> data = DocumentData::load(path);
    data->savedContent = data->contentXml(data->mainXml());
    return adopt(std::unique_ptr<Document>(new Document(this, std::move(data))));
}

Document *WordApp::ActiveDocument() const
{
    return m_documents.empty() ? nullptr : m_documents.back().get();
}

int WordApp::Documents_Count() const
{
    return int(m_documents.size());
}

void WordApp::PrintOut(const QString &fileName, const QString &pages, int copies)
{
    // The print system refuses a copy count below one; one copy is what the operator means then.
    QString reason;
    if (!platform::desktop().printPages(fileName, pages, std::max(1, copies), &reason))
        throw PrintError(fileName, reason);
}

QString WordApp::DefaultFolder() const
{
    return m_defaultFolder;
}

void WordApp::SetDefaultFolder(const QString &folder)
{
    m_defaultFolder = folder;
}

QString WordApp::WorkFolder() const
{
    return m_workFolder;
}

void WordApp::SetWorkFolder(const QString &folder)
{
    m_workFolder = folder;
}

Document &WordApp::adopt(std::unique_ptr<Document> doc)
{
    m_documents.push_back(std::move(doc));
    return *m_documents.back();
}

void WordApp::close(Document *doc)
{
    auto it = std::find_if(m_documents.begin(), m_documents.end(), [doc](const auto &d) { return d.get() == doc; });
    if (it != m_documents.end())
        m_documents.erase(it);
}

} // namespace office
