#include "LoopbackServer.h"

#include <ws2tcpip.h>

#include <chrono>
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

struct WinsockUser {
    WinsockUser() {
        WSADATA data;
        if (WSAStartup(MAKEWORD(2, 2), &data) != 0)
            throw std::runtime_error("WSAStartup failed");
    }
    ~WinsockUser() { WSACleanup(); }
};

}  // namespace

LoopbackServer::LoopbackServer() {
    static WinsockUser s_winsock;
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

std::string LoopbackServer::Host() const {
    return "127.0.0.1:" + std::to_string(m_nPort);
}

std::vector<std::string> LoopbackServer::Requests() {
    std::lock_guard<std::mutex> guard(m_mutex);
    return m_requests;
}

std::string LoopbackServer::RefusingHost() {
    // The port of TCP's multiplexer service, which no test machine runs.
    return "127.0.0.1:1";
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
    // The request head, read within a few seconds.
    std::string request;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (request.find("\r\n\r\n") == std::string::npos && std::chrono::steady_clock::now() < deadline &&
           !Stopping()) {
        if (!Readable(s, kPollMs))
            continue;
        char buffer[4096];
        int n = recv(s, buffer, sizeof(buffer), 0);
        if (n <= 0)
            break;
        request.append(buffer, static_cast<size_t>(n));
    }
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

    // Holds the connection, answering nothing more, until the client gives up.
    auto holdSilently = [this, s] {
        char buffer[256];
        while (!Stopping()) {
            if (Readable(s, kPollMs) && recv(s, buffer, sizeof(buffer), 0) <= 0)
                break;
        }
        closesocket(s);
    };
    if (reply.behaviour == Reply::kStall) {
        holdSilently();
        return;
    }

    std::string head = "HTTP/1.1 " + std::to_string(reply.status) + " " + reply.reason +
                       "\r\nContent-Type: text/plain\r\nConnection: close\r\n" + reply.fields;
    const bool bBreakOff = reply.behaviour == Reply::kResetMidBody ||
                           reply.behaviour == Reply::kCloseMidBody || reply.behaviour == Reply::kStallMidBody;
    if (reply.announceLength || bBreakOff)
        head += "Content-Length: " + std::to_string(reply.body.size()) + "\r\n";
    head += "\r\n";
    if (bBreakOff)
        reply.body.resize(reply.body.size() / 2);

    if (reply.behaviour == Reply::kStallMidBody) {
        SendAll(s, head + reply.body);
        holdSilently();
        return;
    }
    if (reply.behaviour == Reply::kTrickle) {
        SendAll(s, head);
        for (size_t i = 0; i < reply.body.size() && !Stopping(); ++i) {
            Sleep(static_cast<DWORD>(reply.trickleMs));
            if (!SendAll(s, reply.body.substr(i, 1)))
                break;
        }
        closesocket(s);
        return;
    }

    if (reply.behaviour == Reply::kResetMidBody) {
        SendAll(s, head + reply.body);
        Sleep(100);
        // A hard close: the client sees a reset, not an orderly end.
        linger hard = {1, 0};
        setsockopt(s, SOL_SOCKET, SO_LINGER, reinterpret_cast<const char*>(&hard), sizeof(hard));
        closesocket(s);
        return;
    }

    SendAll(s, head + reply.body);
    shutdown(s, SD_SEND);
    // Let the client close first, so that nothing unread turns into a reset.
    char buffer[256];
    const auto drainUntil = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (!Stopping() && std::chrono::steady_clock::now() < drainUntil) {
        if (Readable(s, kPollMs) && recv(s, buffer, sizeof(buffer), 0) <= 0)
            break;
    }
    closesocket(s);
}
