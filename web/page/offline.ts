// The service worker that keeps the page's files once a web server has
// served them, so that the page opens and calculates with the network off.
// Each build caches under its own name; the files are answered from the
// cache first. (A page opened from a folder needs no network at all.)
declare const NUBERA_BUILD: string;

interface ExtendableEvent extends Event {
  waitUntil(work: Promise<unknown>): void;
}
interface FetchEvent extends ExtendableEvent {
  request: Request;
  respondWith(response: Promise<Response>): void;
}
interface WorkerScope {
  addEventListener(type: "install" | "activate", listener: (event: ExtendableEvent) => void): void;
  addEventListener(type: "fetch", listener: (event: FetchEvent) => void): void;
  skipWaiting(): Promise<void>;
  clients: { claim(): Promise<void> };
}

const scope = self as unknown as WorkerScope;
const CACHE = `nubera-${NUBERA_BUILD}`;
const FILES = ["./", "index.html", "nubera.css", "nubera.js", "nubera-worker.js"];

scope.addEventListener("install", (event) => {
  event.waitUntil(
    caches
      .open(CACHE)
      .then((cache) => cache.addAll(FILES))
      .then(() => scope.skipWaiting()),
  );
});

scope.addEventListener("activate", (event) => {
  const older = (name: string) => name.startsWith("nubera-") && name !== CACHE;
  event.waitUntil(
    caches
      .keys()
      .then((names) => Promise.all(names.filter(older).map((name) => caches.delete(name))))
      .then(() => scope.clients.claim()),
  );
});

scope.addEventListener("fetch", (event) => {
  event.respondWith(
    caches.match(event.request, { ignoreSearch: true }).then((cached) => cached ?? fetch(event.request)),
  );
});
