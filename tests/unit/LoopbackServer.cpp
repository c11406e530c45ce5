#include "LoopbackServer.h"

#include <ws2tcpip.h>

#include <stdexcept>

namespace {

const int kPollMs = 50;

// Waits at most ms for s to become readable.
bool Readable(SOCKET s, int ms) {
    fd_set set;
    FD_ZERO(&set);
    FD_SET(s, &set);
    timeval tv = {ms / 1000, (ms % 1000) * 1000};
    return select(0, &set, nullptr, nullptr, &tv) == 1;
}

bool SendAll(SOCKET s, const std::string& bytes) {
    size_t sent = 0;
    while (sent < bytes.size()) {
        int n = send(s, bytes.data() + sent, static_cast<int>(bytes.size() - sent), 0);
        if (n <= 0)
            return false;
        sent += static_cast<size_t>(n);
    }
    return true;
}

}  // namespace

LoopbackServer::LoopbackServer() {
    static const bool s_bWinsock = [] {
        WSADATA data;
        return WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }();
    if (!s_bWinsock)
        throw std::runtime_error("WSAStartup failed");
    m_listen = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);  // port 0: the system picks one
    int length = sizeof(address);
    if (m_listen == INVALID_SOCKET || bind(m_listen, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        getsockname(m_listen, reinterpret_cast<sockaddr*>(&address), &length) != 0 ||
        listen(m_listen, SOMAXCONN) != 0) {
        closesocket(m_listen);
        throw std::runtime_error("cannot listen on 127.0.0.1");
    }
    m_nPort = ntohs(address.sin_port);
    m_acceptor = std::thread([this] { AcceptLoop(); });
}

LoopbackServer::~LoopbackServer() {
    m_bStop = true;
    m_acceptor.join();
    closesocket(m_listen);
    std::vector<std::thread> connections;
    {
        std::lock_guard<std::mutex> guard(m_mutex);
        connections.swap(m_connections);
    }
    for (std::thread& t : connections)
        t.join();
}

void LoopbackServer::Set(const std::string& path, Reply reply) {
    std::lock_guard<std::mutex> guard(m_mutex);
    m_replies[path] = std::move(reply);
}

void LoopbackServer::SetBody(const std::string& path, const std::string& body) {
    Reply reply;
    reply.body = body;
    Set(path, reply);
}

std::vector<std::string> LoopbackServer::Requests() {
    std::lock_guard<std::mutex> guard(m_mutex);
    return m_requests;
}

void LoopbackServer::AcceptLoop() {
    while (!Stopping()) {
        if (!Readable(m_listen, kPollMs))
            continue;
        SOCKET s = accept(m_listen, nullptr, nullptr);
        if (s == INVALID_SOCKET)
            continue;
        std::lock_guard<std::mutex> guard(m_mutex);
        m_connections.emplace_back([this, s] { Serve(s); });
    }
}

void LoopbackServer::Serve(SOCKET s) {
    // Reads until the client closes, nMilliseconds pass or the server stops;
    // with bHead, only until the request's head is whole.
    std::string request;
    auto receive = [this, s, &request](DWORD nMilliseconds, bool bHead) {
        char buffer[4096];
        for (const DWORD dwStart = GetTickCount(); !Stopping() && GetTickCount() - dwStart < nMilliseconds;) {
            if (bHead && request.find("\r\n\r\n") != std::string::npos)
                return;
            if (!Readable(s, kPollMs))
                continue;
            const int n = recv(s, buffer, sizeof(buffer), 0);
            if (n <= 0)
                return;
            request.append(buffer, static_cast<size_t>(n));
        }
    };
    receive(5000, true);
    std::string path;
    size_t start = request.find(' ');
    if (start != std::string::npos) {
        size_t end = request.find(' ', start + 1);
        path = request.substr(start + 1, end == std::string::npos ? std::string::npos : end - start - 1);
    }

    Reply reply;
    {
        std::lock_guard<std::mutex> guard(m_mutex);
        m_requests.push_back(path);
        auto it = m_replies.find(path);
        if (it != m_replies.end()) {
            reply = it->second;
        } else {
            reply.status = 404;
            reply.reason = "Not Found";
            reply.body = "<html><body>Not here:no such file</body></html>\n";
        }
    }

    std::string head = "HTTP/1.1 " + std::to_string(reply.status) + " " + reply.reason +
                       "\r\nContent-Type: " + reply.type + "\r\nConnection: close\r\n" + reply.fields;
    const bool bBreakOff = reply.behaviour == Reply::kResetMidBody ||
                           reply.behaviour == Reply::kCloseMidBody || reply.behaviour == Reply::kStallMidBody;
    if (reply.announceLength || bBreakOff)
        head += "Content-Length: " + std::to_string(reply.body.size()) + "\r\n";
    head += "\r\n";
    if (bBreakOff)
        reply.body.resize(reply.body.size() / 2);
    if (reply.behaviour == Reply::kTrickle) {
        SendAll(s, head);
        for (size_t i = 0; i < reply.body.size() && !Stopping(); ++i) {
            Sleep(200);
            if (!SendAll(s, reply.body.substr(i, 1)))
                break;
        }
    } else if (reply.behaviour != Reply::kStall) {
        SendAll(s, head + reply.body);
    }

    if (reply.behaviour == Reply::kStall || reply.behaviour == Reply::kStallMidBody) {
        receive(INFINITE, false);  // answers nothing more until the client gives up
    } else if (reply.behaviour == Reply::kResetMidBody) {
        Sleep(100);
        // A hard close: the client sees a reset, not an orderly end.
        linger hard = {1, 0};
        setsockopt(s, SOL_SOCKET, SO_LINGER, reinterpret_cast<const char*>(&hard), sizeof(hard));
    } else if (reply.behaviour != Reply::kTrickle) {
        // Let the client close first, so that nothing unread turns into a reset.
        shutdown(s, SD_SEND);
        receive(2000, false);
    }
    closesocket(s);
}
