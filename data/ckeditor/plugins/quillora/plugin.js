/*
 * Ties the in-place editor to the program:
 *  - "Submit" and "Cancel" toolbar buttons that end the edit (labels shown, icons hidden
 *    by the design page's own style);
 *  - the link dialog offers the pages of the site and the program's page selector;
 *  - the image dialog can pick a picture from the local disk.
 * The tessera object exists only inside the program; elsewhere these extras stay away.
 */
(function () {
	var hasTessera = function (name) {
		return typeof tessera !== 'undefined' && typeof tessera[name] === 'function';
	};

	function navigate(address) {
		window.location.href = address;
	}

	// Asks the program's page selector and waits for its answer without blocking the page.
	function askForPage(current, done) {
		tessera.show_page_selector(current || '');
		var poll = function () {
			var answer = tessera.get_page_selector_result();
			if (answer === '__NOTCOMPLETEYET__') {
				window.setTimeout(poll, 200);
			} else if (answer && answer !== '__NOPAGESELECTOR__') {
				done(answer);
			}
		};
		window.setTimeout(poll, 200);
	}

	function setLinkAddress(dialog, address) {
		dialog.setValueOf('info', 'linkType', 'url');
		dialog.setValueOf('info', 'protocol', '');
		dialog.setValueOf('info', 'url', address);
	}

	function extendLinkDialog(definition) {
		var info = definition.getContents('info');
		if (!info || !hasTessera('get_cur_page_list')) return;
		var pages = tessera.get_cur_page_list() || [];
		var items = [ [ '(choose a page)', '' ] ];
		for (var i = 0; i < pages.length; i++) items.push([ pages[i], pages[i] ]);
		info.add({
			type: 'hbox',
			widths: [ '70%', '30%' ],
			children: [ {
				type: 'select',
				id: 'quilloraPage',
				label: 'Page of this site',
				items: items,
				'default': '',
				onChange: function () {
					var value = this.getValue();
					if (value) setLinkAddress(this.getDialog(), value);
				}
			}, {
				type: 'button',
				id: 'quilloraPagePicker',
				label: 'Choose...',
				title: 'Choose a page of the site',
				style: 'margin-top: 18px',
				onClick: function () {
					var dialog = this.getDialog();
					if (!hasTessera('show_page_selector')) return;
					askForPage(dialog.getValueOf('info', 'url'), function (page) {
						setLinkAddress(dialog, page);
					});
				}
			} ]
		}, 'linkType');
	}

	function extendImageDialog(definition) {
		var info = definition.getContents('info');
		if (!info || !hasTessera('get_local_image_file')) return;
		info.add({
			type: 'button',
			id: 'quilloraLocalImage',
			label: 'Choose a picture on this computer...',
			onClick: function () {
				var address = tessera.get_local_image_file();
				if (address) this.getDialog().setValueOf('info', 'txtUrl', address);
			}
		});
	}

	CKEDITOR.plugins.add('quillora', {
		init: function (editor) {
			editor.addCommand('quilloraSubmit', {
				exec: function () { navigate('http://submit/'); },
				modes: { wysiwyg: 1, source: 1 },
				readOnly: 1
			});
			editor.addCommand('quilloraCancel', {
				exec: function () { navigate('http://cancel/'); },
				modes: { wysiwyg: 1, source: 1 },
				readOnly: 1
			});
			editor.ui.addButton('Submit', { label: 'Submit', command: 'quilloraSubmit', toolbar: 'finish,10' });
			editor.ui.addButton('Cancel', { label: 'Cancel', command: 'quilloraCancel', toolbar: 'finish,20' });
		}
	});

	CKEDITOR.on('dialogDefinition', function (event) {
		if (event.data.name === 'link') extendLinkDialog(event.data.definition);
		else if (event.data.name === 'image') extendImageDialog(event.data.definition);
	});
})();
