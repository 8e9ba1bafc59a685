// The page: window.nubera for scripts and tests, and the screen over it.
import { NuberaClient } from "./nubera_client";
import { App } from "./ui/app";

declare global {
  interface Window {
    nubera: NuberaClient;
    nuberaApp: App;
  }
}

window.nubera = new NuberaClient();
// Served by a web server, the page keeps its files for use without the
// network; opened from a folder it needs none.
if ("serviceWorker" in navigator && location.protocol.startsWith("http")) {
  void navigator.serviceWorker.register("nubera-offline.js");
}
window.nuberaApp = new App(window.nubera, document.getElementById("app")!);
