object Form6: TForm6
  Caption = 'Program Options - Trellis'
  ClientWidth = 805
  ClientHeight = 365
  BorderStyle = bsDialog
  Position = poScreenCenter
  Color = clWhite
  ShowHint = True
  OnCreate = FormCreate
  OnShow = FormShow
  OnCloseQuery = FormCloseQuery
  object Image1: TImage
    Left = 0
    Top = 0
    Width = 805
    Height = 44
    Picture = 'set_banner'
    Stretch = True
  end
  object Panel2: TPanel
    Left = 0
    Top = 44
    Width = 805
    Height = 4
  end
  object RadioGroup1: TRadioGroup
    OnClick = RadioGroup1Click
    Left = 16
    Top = 60
    Width = 256
    Height = 96
    Caption = '  IPC version for conductor calc  '
    Hint = 'Choose between three IPC options to solve for amperage.'
    Items.Strings = (
      'IPC-2152 with modifiers'
      'IPC-2152 without modifiers'
      'IPC-2221A (Obsolete for amperage)')
    ItemIndex = 0
    TabOrder = 0
  end
  object RadioGroup2: TRadioGroup
    OnClick = RadioGroup2Click
    Left = 16
    Top = 164
    Width = 256
    Height = 96
    Caption = '  Conductor Etch Factor  '
    Hint = 'Select the conductor''s etch factor.'
    Items.Strings = (
      'Etch Factor 1:1'
      'Etch Factor 2:1'
      'None')
    ItemIndex = 1
    TabOrder = 1
  end
  object GroupBox1: TGroupBox
    Left = 16
    Top = 268
    Width = 256
    Height = 52
    Caption = '  Copper Weight  '
    TabOrder = 2
    object CheckBox1: TCheckBox
      OnClick = CheckBox1Click
      OnKeyPress = CheckBox1KeyPress
      Left = 16
      Top = 22
      Width = 224
      Height = 20
      Caption = 'Enter copper weight manually'
      Hint = 'Select to enter copper weight manually.'
    end
  end
  object GroupBox2: TGroupBox
    Left = 288
    Top = 60
    Width = 264
    Height = 120
    Caption = '  Via Properties  '
    TabOrder = 3
    object Label1: TLabel
      Left = 16
      Top = 24
      Width = 170
      Height = 15
      Caption = 'Aspect Ratio Limit [X:1]'
    end
    object Label2: TLabel
      Left = 16
      Top = 50
      Width = 24
      Height = 15
      Caption = 'TH'
    end
    object Edit1: TEdit
      OnChange = Edit1Change
      OnKeyPress = Edit1KeyPress
      Left = 48
      Top = 46
      Width = 64
      Height = 22
      Text = '10'
      Hint = 'Through hole via aspect ratio setting.'
      TabOrder = 0
    end
    object Label3: TLabel
      Left = 128
      Top = 50
      Width = 32
      Height = 15
      Caption = 'uVia'
    end
    object Edit2: TEdit
      OnChange = Edit2Change
      OnKeyPress = Edit2KeyPress
      Left = 168
      Top = 46
      Width = 64
      Height = 22
      Text = '1'
      Hint = 'Microvia aspect ratio setting.'
      TabOrder = 1
    end
    object CheckBox2: TCheckBox
      OnClick = CheckBox2Click
      Left = 16
      Top = 84
      Width = 240
      Height = 20
      Caption = 'Disable Via Height for via current'
      TabOrder = 2
    end
  end
  object GroupBox4: TGroupBox
    Left = 288
    Top = 188
    Width = 264
    Height = 52
    Caption = '  Metric Options  '
    TabOrder = 4
    object CheckBox3: TCheckBox
      OnClick = CheckBox3Click
      OnKeyPress = CheckBox3KeyPress
      Left = 16
      Top = 22
      Width = 200
      Height = 20
      Caption = 'Use Microns'
      Hint = 'Use microns for metric calculations.'
    end
  end
  object GroupBox3: TGroupBox
    Left = 288
    Top = 248
    Width = 264
    Height = 72
    Caption = '  Color Theme  '
    TabOrder = 5
    object cbxVclStyles: TComboBox
      Left = 16
      Top = 28
      Width = 232
      Height = 22
      Style = csDropDownList
      OnChange = cbxVclStylesChange
    end
  end
  object Image3: TImage
    Left = 580
    Top = 60
    Width = 200
    Height = 200
    Picture = 'set_etch_1to1'
    Stretch = True
    Proportional = True
    Visible = False
  end
  object Image4: TImage
    Left = 580
    Top = 60
    Width = 200
    Height = 200
    Picture = 'set_etch_2to1'
    Stretch = True
    Proportional = True
    Visible = False
  end
  object Image2: TImage
    Left = 580
    Top = 60
    Width = 200
    Height = 200
    Picture = 'set_etch_none'
    Stretch = True
    Proportional = True
    Visible = False
  end
  object BitBtn1: TBitBtn
    OnClick = BitBtn1Click
    Left = 600
    Top = 324
    Width = 88
    Height = 30
    Caption = '&Help'
    Kind = bkHelp
    Hint = 'Open help on this topic.'
    TabOrder = 6
  end
  object Button1: TButton
    OnClick = Button1Click
    Left = 700
    Top = 324
    Width = 88
    Height = 30
    Caption = 'Close'
    Hint = 'Close'
    TabOrder = 7
  end
end
