#include "thread/ThreadException.h"

#include "framework/MessageBox.h"

CThreadException::CThreadException(CThread* pThread, const CString& strMessage, int nCode)
    : m_pThread(pThread), m_strMessage(strMessage), m_nCode(nCode) {}

CThreadException::~CThreadException() = default;

int CThreadException::ReportError(UINT nType, UINT nMessageID) {
    return AfxMessageBox(GetReportText(nMessageID), nType, 0);
}

CString CThreadException::GetReportText(UINT nMessageID) const {
    CString strText = m_strMessage;
    if (nMessageID != 0) {
        // The resource is a format used without arguments, where only "%%" has a
        // meaning. Undoing that ourselves keeps a stray "%s" in a translated
        // string from reading arguments that are not there.
        strText.LoadString(nMessageID);
        strText.Replace("%%", "%");
    }
    return strText;
}
