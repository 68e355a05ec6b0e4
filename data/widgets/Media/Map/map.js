// Shows the map of a map card: an embedded OpenStreetMap or Google Maps frame
// centred on the card's place. Cards marked for loading at once show it on page load.
function quilloraShowMap(box) {
  var lat = parseFloat(box.getAttribute('data-lat'));
  var lon = parseFloat(box.getAttribute('data-lon'));
  var address = box.getAttribute('data-address') || '';
  var frame = document.createElement('iframe');
  if (box.getAttribute('data-provider') === 'google') {
    frame.src = 'https://maps.google.com/maps?output=embed&q=' + encodeURIComponent(address);
  } else {
    var d = 0.006;
    frame.src = 'https://www.openstreetmap.org/export/embed.html?layer=mapnik&bbox=' +
      [lon - d, lat - d / 2, lon + d, lat + d / 2].join(',') + '&marker=' + lat + ',' + lon;
  }
  frame.title = 'Map: ' + address;
  frame.setAttribute('loading', 'lazy');
  box.innerHTML = '';
  box.appendChild(frame);
}

(function () {
  function showMarked() {
    var boxes = document.querySelectorAll('.qw-map[data-autoload="yes"]');
    for (var i = 0; i < boxes.length; i++) quilloraShowMap(boxes[i]);
  }
  if (document.readyState === 'loading') document.addEventListener('DOMContentLoaded', showMarked);
  else showMarked();
})();
