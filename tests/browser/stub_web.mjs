// A stand-in for the web: an HTTP proxy on the loopback that a browser is pointed at. It
// answers every http and https request with a small page and records the address, so that
// nothing leaves the machine and the requests of frames and of new windows are all seen, in
// every browser alike. Https requests arrive as tunnels and are answered with a certificate
// made for the run, which the browser is told to accept.
import { execFileSync } from "node:child_process";
import { readFileSync } from "node:fs";
import { createServer } from "node:http";
import { createServer as createTlsServer } from "node:https";
import { join } from "node:path";

// Starts the proxy; its key and certificate go into dir. Returns the port, the addresses
// requested so far (in order) and a function that stops it.
export async function startStubWeb(dir) {
  const key = join(dir, "stub-key.pem");
  const cert = join(dir, "stub-cert.pem");
  execFileSync("openssl", ["req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1",
    "-nodes", "-days", "1", "-subj", "/CN=stub web", "-keyout", key, "-out", cert], { stdio: "ignore" });
  const requests = [];
  const answer = (address, response) => {
    requests.push(address);
    // Never from the browser's cache: every address opened must be asked for again.
    response.writeHead(200, { "Content-Type": "text/html", "Cache-Control": "no-store" });
    response.end("<html><body>chart</body></html>");
  };
  const tls = createTlsServer({ key: readFileSync(key), cert: readFileSync(cert) },
    (request, response) => answer(`https://${request.headers.host}${request.url}`, response));
  const proxy = createServer((request, response) => answer(request.url, response));
  // Idle connections stay open until the end: one closed by a timeout just as the browser
  // sends on it would lose that request.
  tls.keepAliveTimeout = 0;
  proxy.keepAliveTimeout = 0;
  proxy.on("connect", (request, socket, head) => {
    // A browser that closes drops its tunnels mid-stream; that is no failure of the pages.
    socket.on("error", () => {});
    socket.write("HTTP/1.1 200 Connection established\r\n\r\n");
    if (head.length > 0) socket.unshift(head);
    tls.emit("connection", socket);
  });
  await new Promise((resolve) => proxy.listen(0, "127.0.0.1", resolve));
  return {
    port: proxy.address().port,
    requests,
    close() {
      proxy.close();
      proxy.closeAllConnections();
      tls.closeAllConnections();
    },
  };
}
