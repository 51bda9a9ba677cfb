// Fetches the game's nine pictures by name, decodes them with the browser and draws the board
// with both counters on square 1 and the die's face one, as the game's first screen shows them.
const files = ["brimb.bmp", "counter.bmp", "counter2.bmp",
  "d1.bmp", "d2.bmp", "d3.bmp", "d4.bmp", "d5.bmp", "d6.bmp"];
Promise.all(files.map((f) => fetch(f).then((r) => r.blob()).then((b) => createImageBitmap(b))))
  .then((pictures) => {
    const board = document.getElementById("board").getContext("2d");
    board.drawImage(pictures[0], 0, 0);
    board.drawImage(pictures[1], 5, 230);
    board.drawImage(pictures[2], 5, 230);
    document.getElementById("die").getContext("2d").drawImage(pictures[3], 0, 0);
    performance.mark("baseline-shown");
  });
