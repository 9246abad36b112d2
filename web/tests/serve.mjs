// A static server of plain files on this machine, as any web host serves a
// site: resolves once it answers, with the server's process to stop it by.
import { spawn } from 'node:child_process';
import { setTimeout as sleep } from 'node:timers/promises';

export const serve = async (folder, port) => {
  const server = spawn('python3', ['-m', 'http.server', '--bind', '127.0.0.1', '-d', folder, String(port)],
                       { stdio: 'ignore' });
  for (let i = 0; i < 100; i++) {
    try {
      if ((await fetch(`http://127.0.0.1:${port}/`)).ok)
        return server;
    } catch {}
    await sleep(100);
  }
  server.kill();
  throw new Error(`no static server for ${folder}`);
};
