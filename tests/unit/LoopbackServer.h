// A small HTTP server on 127.0.0.1 for the update tests. It listens on a port
// the system picks and answers each GET with the reply set for its path (a
// 404 page for any other path). A reply can also stall (accept and never
// answer, or fall silent in the middle of the body), break off in the middle
// of its body with a reset or with an orderly close, or trickle its body out
// one byte every 200 ms.
#pragma once

#include <winsock2.h>

#include <atomic>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class LoopbackServer {
public:
    struct Reply {
        enum Behaviour { kAnswer, kStall, kStallMidBody, kResetMidBody, kCloseMidBody, kTrickle };

        Behaviour behaviour = kAnswer;
        int status = 200;
        std::string reason = "OK";
        std::string body;
        std::string type = "text/plain";
        bool announceLength = true;  // else the end of the connection ends the body
        std::string fields;          // more lines of the head, each with its CR LF
    };

    LoopbackServer();
    ~LoopbackServer();
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    void Set(const std::string& path, Reply reply);
    void SetBody(const std::string& path, const std::string& body);

    // "127.0.0.1:port"
    std::string Host() const { return "127.0.0.1:" + std::to_string(m_nPort); }
    // The paths of the requests received so far, in order.
    std::vector<std::string> Requests();

    // A host:port on 127.0.0.1 where nobody listens: the port of TCP's
    // multiplexer service, which no test machine runs.
    static std::string RefusingHost() { return "127.0.0.1:1"; }

private:
    void AcceptLoop();
    void Serve(SOCKET s);
    bool Stopping() const { return m_bStop.load(); }

    SOCKET m_listen = INVALID_SOCKET;
    int m_nPort = 0;
    std::atomic<bool> m_bStop{false};
    std::mutex m_mutex;
    std::map<std::string, Reply> m_replies;
    std::vector<std::string> m_requests;
    std::vector<std::thread> m_connections;  // guarded by m_mutex
    std::thread m_acceptor;
};
