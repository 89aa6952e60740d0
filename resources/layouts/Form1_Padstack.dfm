object GroupBox10: TGroupBox
  Left = 0
  Top = 0
  Width = 725
  Height = 552
  Caption = ' Padstack Calculator '
  object RadioGroup14: TRadioGroup
    OnClick = RadioGroup14Click
    Left = 16
    Top = 24
    Width = 304
    Height = 184
    Caption = ' Pad Calculator Type '
    Items.Strings = (
      'Thru-Hole Pad'
      'BGA Land Size'
      'Conductor / Pad TH'
      'Conductor / Pad BGA'
      '2 Conductors / Pad TH'
      '2 Conductor / Pad BGA'
      'Corner to Corner')
    ItemIndex = 0
    TabOrder = 0
  end
  object Label61: TLabel
    Left = 16
    Top = 224
    Width = 156
    Height = 15
    Caption = 'Hole Diameter'
  end
  object Edit33: TEdit
    OnKeyDown = Edit33KeyDown
    OnKeyPress = Edit33KeyPress
    Left = 16
    Top = 248
    Width = 96
    Height = 22
    Text = '32'
    Hint = 'Enter the finished drill hole diameter.'
    TabOrder = 1
  end
  object Edit59: TEdit
    Left = 116
    Top = 252
    Width = 48
    Height = 18
    Text = 'mils'
    ReadOnly = True
    TabStop = False
    TabOrder = 2
  end
  object ComboBox4: TComboBox
    OnKeyPress = ComboBox4KeyPress
    OnChange = ComboBox4Change
    Left = 16
    Top = 248
    Width = 112
    Height = 22
    Text = '0.75 mm'
    Items.Strings = (
      '0.75 mm'
      '0.65 mm'
      '0.60 mm'
      '0.55 mm'
      '0.50 mm'
      '0.45 mm'
      '0.40 mm'
      '0.35 mm'
      '0.30 mm'
      '0.25 mm'
      '0.20 mm'
      '0.17 mm'
      '0.15 mm')
    ItemIndex = 0
    Style = csDropDown
    Hint = 'Select nominal ball diameter - see part datasheet'
    Visible = False
    TabOrder = 3
  end
  object Label62: TLabel
    Left = 16
    Top = 280
    Width = 156
    Height = 15
    Caption = 'Annular Ring'
  end
  object Edit34: TEdit
    OnKeyDown = Edit34KeyDown
    OnKeyPress = Edit34KeyPress
    Left = 16
    Top = 304
    Width = 96
    Height = 22
    Text = '12'
    Hint = 'Enter the minimum annular ring for the padstack.'
    TabOrder = 4
  end
  object Edit60: TEdit
    Left = 116
    Top = 308
    Width = 48
    Height = 18
    Text = 'mils'
    ReadOnly = True
    TabStop = False
    TabOrder = 5
  end
  object Label63: TLabel
    Left = 16
    Top = 336
    Width = 156
    Height = 15
    Caption = 'Isolation Width'
  end
  object Edit35: TEdit
    OnKeyDown = Edit35KeyDown
    OnKeyPress = Edit35KeyPress
    Left = 16
    Top = 360
    Width = 96
    Height = 22
    Text = '12'
    Hint = 'Enter the desired isolation width for the thermal relief.'
    TabOrder = 6
  end
  object Edit61: TEdit
    Left = 116
    Top = 364
    Width = 48
    Height = 18
    Text = 'mils'
    ReadOnly = True
    TabStop = False
    TabOrder = 7
  end
  object Label73: TLabel
    Left = 176
    Top = 224
    Width = 144
    Height = 15
    Caption = 'Hole Type'
  end
  object ComboBox2: TComboBox
    OnChange = ComboBox2Change
    Left = 176
    Top = 248
    Width = 144
    Height = 22
    Items.Strings = (
      'Custom'
      'Std Tooling'
      'NP MTG #2'
      'NP MTG #4'
      'NP MTG #6'
      'NP MTG #8'
      'NP MTG #10')
    ItemIndex = 0
    Style = csDropDownList
    Hint = 'Select a hole type.'
    TabOrder = 8
  end
  object RadioGroup7: TRadioGroup
    OnClick = RadioGroup7Click
    Left = 176
    Top = 280
    Width = 144
    Height = 72
    Caption = ' Pad Style '
    Items.Strings = (
      'Plated'
      'Non-Plated')
    ItemIndex = 0
    TabOrder = 9
  end
  object Label76: TLabel
    Left = 176
    Top = 224
    Width = 144
    Height = 15
    Caption = 'Hole Diameter'
    Visible = False
  end
  object Edit211: TEdit
    OnKeyDown = Edit211KeyDown
    OnKeyPress = Edit211KeyPress
    Left = 176
    Top = 248
    Width = 96
    Height = 22
    Text = '32'
    Hint = 'Enter the finished drill hole diameter.'
    Visible = False
    TabOrder = 10
  end
  object Edit212: TEdit
    Left = 276
    Top = 252
    Width = 48
    Height = 18
    Text = 'mils'
    ReadOnly = True
    Visible = False
    TabStop = False
    TabOrder = 11
  end
  object Label174: TLabel
    Left = 176
    Top = 280
    Width = 144
    Height = 15
    Caption = 'Minimum Annular Ring'
    Visible = False
  end
  object Edit213: TEdit
    OnKeyDown = Edit213KeyDown
    OnKeyPress = Edit213KeyPress
    Left = 176
    Top = 304
    Width = 96
    Height = 22
    Text = '7'
    Hint = 'Enter the desired minimum annular ring of the padstack.'
    Visible = False
    TabOrder = 12
  end
  object Edit214: TEdit
    Left = 276
    Top = 308
    Width = 48
    Height = 18
    Text = 'mils'
    ReadOnly = True
    Visible = False
    TabStop = False
    TabOrder = 13
  end
  object Label271: TLabel
    Left = 16
    Top = 400
    Width = 320
    Height = 15
    Caption = 'Note:'
    Visible = False
  end
  object Label272: TLabel
    Left = 16
    Top = 416
    Width = 320
    Height = 15
    Caption = 'When sizing a hole for a square pin, use the corner '
    Visible = False
  end
  object Label273: TLabel
    Left = 16
    Top = 432
    Width = 320
    Height = 15
    Caption = 'to corner distance as the pin diameter.'
    Visible = False
  end
  object Label274: TLabel
    Left = 16
    Top = 448
    Width = 320
    Height = 15
    Caption = 'c = sqrt(a^2+b^2)'
    Visible = False
  end
  object Label357: TLabel
    Left = 16
    Top = 400
    Width = 320
    Height = 15
    Caption = 'Note:'
    Visible = False
  end
  object Label358: TLabel
    Left = 16
    Top = 416
    Width = 320
    Height = 15
    Caption = 'IPC-7351A uses the larger land variation number '
    Visible = False
  end
  object Label359: TLabel
    Left = 16
    Top = 432
    Width = 320
    Height = 15
    Caption = 'for BGA pad size, not the nominal size.'
    Visible = False
  end
  object Label360: TLabel
    Left = 16
    Top = 400
    Width = 320
    Height = 15
    Caption = 'Note:'
    Visible = False
  end
  object Label361: TLabel
    Left = 16
    Top = 416
    Width = 320
    Height = 15
    Caption = 'Compensation for system '
    Visible = False
  end
  object Label362: TLabel
    Left = 16
    Top = 432
    Width = 320
    Height = 15
    Caption = 'grid may be necessary.'
    Visible = False
  end
  object Image5: TImage
    Left = 344
    Top = 24
    Width = 365
    Height = 184
    Picture = 'via_pad_thru_hole'
    Stretch = True
    Proportional = True
  end
  object Image12: TImage
    Left = 344
    Top = 24
    Width = 365
    Height = 184
    Picture = 'via_bga_land'
    Stretch = True
    Proportional = True
    Visible = False
  end
  object Image45: TImage
    Left = 344
    Top = 24
    Width = 365
    Height = 184
    Picture = 'via_conductor_between_pads'
    Stretch = True
    Proportional = True
    Visible = False
  end
  object Image10: TImage
    Left = 344
    Top = 24
    Width = 365
    Height = 184
    Picture = 'via_conductor_between_lands'
    Stretch = True
    Proportional = True
    Visible = False
  end
  object Image66: TImage
    Left = 344
    Top = 24
    Width = 365
    Height = 184
    Picture = 'via_two_conductors_between_pads'
    Stretch = True
    Proportional = True
    Visible = False
  end
  object Image67: TImage
    Left = 344
    Top = 24
    Width = 365
    Height = 184
    Picture = 'via_two_conductors_between_lands'
    Stretch = True
    Proportional = True
    Visible = False
  end
  object Image48: TImage
    Left = 344
    Top = 24
    Width = 365
    Height = 184
    Picture = 'via_corner_to_corner'
    Stretch = True
    Proportional = True
    Visible = False
  end
  object Label68: TLabel
    Left = 344
    Top = 224
    Width = 184
    Height = 15
    Caption = 'External Layers'
  end
  object Edit36: TEdit
    Left = 344
    Top = 248
    Width = 121
    Height = 22
    Text = ''
    Hint = 'Outer layer pad diameter for the given drill diameter.'
    ReadOnly = True
    Font.Color = clNavy
    Font.Style = [fsBold]
    TabOrder = 14
  end
  object Label70: TLabel
    Left = 473
    Top = 252
    Width = 112
    Height = 15
    Caption = 'Pad Diameter'
  end
  object Label67: TLabel
    Left = 344
    Top = 280
    Width = 184
    Height = 15
    Caption = 'Internal Signal Layers'
  end
  object Edit37: TEdit
    Left = 344
    Top = 304
    Width = 121
    Height = 22
    Text = ''
    Hint = 'Internal signal layer pad diameter for the given drill diameter.'
    ReadOnly = True
    Font.Color = clNavy
    Font.Style = [fsBold]
    TabOrder = 15
  end
  object Label71: TLabel
    Left = 473
    Top = 308
    Width = 112
    Height = 15
    Caption = 'Pad Diameter'
  end
  object Label66: TLabel
    Left = 344
    Top = 336
    Width = 184
    Height = 15
    Caption = 'Internal Plane Layers'
  end
  object Edit38: TEdit
    Left = 344
    Top = 360
    Width = 121
    Height = 22
    Text = ''
    Hint = 'Outer diameter of the thermal refief.'
    ReadOnly = True
    Font.Color = clNavy
    Font.Style = [fsBold]
    TabOrder = 16
  end
  object Label69: TLabel
    Left = 473
    Top = 364
    Width = 112
    Height = 15
    Caption = 'Outer Diameter'
  end
  object Edit39: TEdit
    Left = 344
    Top = 388
    Width = 121
    Height = 22
    Text = ''
    Hint = 'Inner diameter of the thermal relief.'
    ReadOnly = True
    Font.Color = clNavy
    Font.Style = [fsBold]
    TabOrder = 17
  end
  object Label65: TLabel
    Left = 473
    Top = 392
    Width = 112
    Height = 15
    Caption = 'Inner Diameter'
  end
  object Edit40: TEdit
    Left = 344
    Top = 416
    Width = 121
    Height = 22
    Text = ''
    Hint = 'Suggested spoke width for the thermal relief.'
    ReadOnly = True
    Font.Color = clNavy
    Font.Style = [fsBold]
    TabOrder = 18
  end
  object Label64: TLabel
    Left = 473
    Top = 420
    Width = 112
    Height = 15
    Caption = 'Spoke Width'
  end
  object Memo3: TMemo
    Left = 344
    Top = 336
    Width = 264
    Height = 76
    Lines.Strings = (
      'Warning!'
      'Calculated maximum pad diameter'
      'is smaller than the minimum annular'
      'ring x2 + hole diameter.')
    ReadOnly = True
    Visible = False
    Font.Color = clRed
    TabStop = False
    TabOrder = 19
  end
  object Memo5: TMemo
    Left = 344
    Top = 280
    Width = 264
    Height = 64
    Lines.Strings = (
      'Warning!'
      'Calculated maximum conductor'
      'width is below zero.')
    ReadOnly = True
    Visible = False
    Font.Color = clRed
    TabStop = False
    TabOrder = 20
  end
end
